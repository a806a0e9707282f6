# German, from the English table: the game's texts for a child of 6 to 10,
# and the teacher's.
PIVOT = "en.py"
TEXTS = {
    "%1 and %2 left.": "Noch %1 und %2.",
    "1 minute": "1 Minute",
    "%n minute": ["%n Minute", "%n Minuten"],
    "1 second": "1 Sekunde",
    "%n second": ["%n Sekunde", "%n Sekunden"],
    "1 minute left.": "Noch 1 Minute.",
    "%n minute left.": ["Noch %n Minute.", "Noch %n Minuten."],
    "1 second left.": "Noch 1 Sekunde.",
    "%n second left.": ["Noch %n Sekunde.", "Noch %n Sekunden."],
    "Time's up.": "Die Zeit ist um.",
    "shows the keypad beside the sum even without a touch screen":
        "zeigt das Zahlenfeld neben der Aufgabe, auch ohne Touchscreen",
    "opens the class's results instead of a contest":
        "öffnet die Ergebnisse der Klasse statt eines Spiels",
    "code": "Kürzel",
    "speaks this language instead of the computer's":
        "spricht diese Sprache statt der des Computers",
    "shows this help and quits": "zeigt diese Hilfe und beendet",
    "shows the version and quits": "zeigt die Version und beendet",
    "An option is missing its value.": "Einer Option fehlt ihr Wert.",
    "Unknown option: %1": "Unbekannte Option: %1",
    "Unexpected argument: %1": "Unerwartetes Argument: %1",
    "Unknown language: %1. The languages are: %2.":
        "Unbekannte Sprache: %1. Die Sprachen sind: %2.",
    "Not a valid value for --ms-al-secondo: %1": "Kein gültiger Wert für --ms-al-secondo: %1",
    "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n":
        "Aufruf: corvalesta [Optionen]\nEin Spiel von fünf Minuten: Was ist eine Zahl plus 1?\n\nOptionen:\n",
    "Languages: %1": "Sprachen: %1",
    "For the list of options: corvalesta --help": "Für die Liste der Optionen: corvalesta --help",
    "Error: too many answers to count (overflow).":
        "Fehler: zu viele Antworten zum Zählen (Überlauf).",
    "What's your name?": "Wie heißt du?",
    "%1, let's see if you're a real champion!": "%1, mal sehen, ob du ein echter Champion bist!",
    "What is %1 plus 1?": "Was ist %1 plus 1?",
    "Right! %1, you're great!": "Richtig! %1, du bist super!",
    "Not quite! It's %1": "Nicht ganz! Es ist %1",
    "Right answers: %1, wrong: %2, in all: %3.":
        "Richtige Antworten: %1, falsche: %2, insgesamt: %3.",
    "There is no record yet.": "Es gibt noch keinen Rekord.",
    "1 point": "1 Punkt",
    "%n point": ["%n Punkt", "%n Punkte"],
    "%1 points": "%1 Punkte",
    "The record is %1.": "Der Rekord ist %1.",
    "The record is %1, by %2.": "Der Rekord ist %1, von %2.",
    "SHALL WE START A NEW CONTEST?": "FANGEN WIR EIN NEUES SPIEL AN?",
    "START A NEW CONTEST": "NEUES SPIEL STARTEN",
    "Times table up to which number?": "Einmaleins bis zu welcher Zahl?",
    "%1, you didn't choose, so we'll go up to 10.":
        "%1, du hast nichts gewählt, also gehen wir bis 10.",
    "Time's up! %1": "Die Zeit ist um! %1",
    "Delete": "Löschen",
    "Enter": "Eingabe",
    "Keypad": "Zahlenfeld",
    "Big keys for the touch screen": "Große Tasten für den Touchscreen",
    "Answer": "Antwort",
    "Next sum": "Nächste Aufgabe",
    "Exit": "Beenden",
    "Made by the teachers": "Gemacht von den Lehrerinnen und Lehrern",
    "Girasole Primary School": "Grundschule Girasole",
    "new": "neu",
    "For the girls and boys of year five": "Für die Mädchen und Jungen der fünften Klasse",
    "Full screen": "Vollbild",
    "Time and record": "Zeit und Rekord",
    "&Yes": "&Ja",
    "&No": "&Nein",
    "OK": "OK",
    "Cancel": "Abbrechen",
    "Chart of the right answers": "Diagramm der richtigen Antworten",
    "Right answers of %1": "Richtige Antworten von %1",
    "Choose a row to see the chart": "Wähle eine Zeile, um das Diagramm zu sehen",
    # The exported CSV header, lower case as the log's own.
    "date": "datum",
    "name": "name",
    "right": "richtig",
    "wrong": "falsch",
    "total": "gesamt",
    "seconds": "sekunden",
    "record": "rekord",
    "account": "konto",
    "Date": "Datum",
    "Name": "Name",
    "Right": "Richtig",
    "Wrong": "Falsch",
    "Total": "Gesamt",
    "Time": "Dauer",
    "Record": "Rekord",
    "Account": "Konto",
    "yes": "ja",
    "no": "nein",
    "Class results": "Ergebnisse der Klasse",
    "Reading…": "Lesen…",
    "&Name:": "&Name:",
    "Filter by name": "Nach Name filtern",
    "&Period:": "&Zeitraum:",
    "Period": "Zeitraum",
    "today": "heute",
    "this week": "diese Woche",
    "all": "alles",
    "&Export…": "&Exportieren…",
    "Export the rows shown": "Die gezeigten Zeilen exportieren",
    "Contests shown": "Gezeigte Spiele",
    "The class's contests": "Die Spiele der Klasse",
    "Table of results": "Tabelle der Ergebnisse",
    "Export the results": "Die Ergebnisse exportieren",
    "I cannot save the results in\n%1": "Ich kann die Ergebnisse nicht speichern in\n%1",
    "I cannot read the results: %1": "Ich kann die Ergebnisse nicht lesen: %1",
    "1 contest": "1 Spiel",
    "%n contest": ["%n Spiel", "%n Spiele"],
    "Bye, see you at the next challenge!": "Tschüss, bis zur nächsten Herausforderung!",
    "OK! I've saved your record, C H A M P I O N":
        "Gut! Ich habe deinen Rekord gespeichert, C H A M P I O N",
    "Number to complete": "Zahl zum Ergänzen",
    "Plus sign": "Pluszeichen",
    "Number to add": "Zahl zum Addieren",
    "Equals sign": "Gleichheitszeichen",
    "Type the answer and press Enter": "Schreib das Ergebnis und drück die Eingabetaste",
    "Type the answer here and press Enter": "Schreib hier das Ergebnis und drück die Eingabetaste",
    "Hidden number": "Versteckte Zahl",
    "The game's answer": "Die Antwort des Spiels",
    "Empty line": "Leere Zeile",
    "Right answers": "Richtige Antworten",
    "Title of the right answers": "Titel der richtigen Antworten",
    "This is your score. Go for the record!": "Das sind deine Punkte. Auf zum Rekord!",
    "Wrong answers": "Falsche Antworten",
    "Title of the wrong answers": "Titel der falschen Antworten",
    "All answers": "Alle Antworten",
    "Title of all answers": "Titel aller Antworten",
    "Time left": "Restzeit",
    "Title of the time": "Titel der Zeit",
    "Click below me to set the timer": "Klick unter mich, um die Zeit einzustellen",
    "Clock": "Uhr",
    "Player": "Spieler",
    "Title of the player's name": "Titel des Spielernamens",
    "Player's name": "Name des Spielers",
    "The record is ": "Der Rekord ist ",
    "The record is": "Der Rekord ist",
    "Name of the record holder": "Name des Rekordhalters",
    "with points": "mit Punkten",
    "Record points": "Punkte des Rekords",
    "&Next sum": "&Nächste Aufgabe",
    "Go": "Los",
    "Go on to the next sum": "Weiter zur nächsten Aufgabe",
    "E&xit": "&Beenden",
    "Please stay a little longer, maybe you'll beat the record!":
        "Bleib noch ein bisschen, vielleicht schlägst du den Rekord!",
    "Leave the game and save the record": "Das Spiel beenden und den Rekord speichern",
    "Button with no action": "Knopf ohne Aktion",
    "Ventobaldo - Counting up to 10000": "Ventobaldo - Zählen bis 10000",
    "the disk is full": "die Festplatte ist voll",
    "I am not allowed to use it": "ich darf sie nicht benutzen",
    "it is read-only": "sie ist schreibgeschützt",
    "disk error": "Festplattenfehler",
    "another copy of the game is saving the record":
        "eine andere Kopie des Spiels speichert gerade den Rekord",
    "it is not a folder": "es ist kein Ordner",
    "it is not a regular file": "es ist keine normale Datei",
    "the folder is missing": "der Ordner fehlt",
    "the file is missing": "die Datei fehlt",
    "too many files are open": "zu viele Dateien sind geöffnet",
    "out of memory": "der Speicher ist voll",
    "it has another name: it is a hard link": "sie hat einen anderen Namen: sie ist ein harter Link",
    "the service that saves the record is not running: the computer's administrator starts "
    "it with «sudo systemctl enable --now corvalesta-record.socket»":
        "der Dienst, der den Rekord speichert, läuft nicht: wer den Computer verwaltet, startet "
        "ihn mit «sudo systemctl enable --now corvalesta-record.socket»",
    "the service that saves the record did not answer":
        "der Dienst, der den Rekord speichert, hat nicht geantwortet",
    "I cannot use the record's folder\n%1\n\nReason: %2":
        "Ich kann den Ordner des Rekords nicht benutzen\n%1\n\nGrund: %2",
    "I cannot use the record's file\n%1\n\nReason: %2":
        "Ich kann die Datei des Rekords nicht benutzen\n%1\n\nGrund: %2",
    "unexpected error (code %1)": "unerwarteter Fehler (Code %1)",
    "(record folder)": "(Ordner des Rekords)",
    "the folder is not known": "der Ordner ist nicht bekannt",
    "the name is too long": "der Name ist zu lang",
    # The desktop entry and the AppStream data.
    "Counting game":
        "Rechenspiel",
    "Which number comes next? A five-minute contest for primary school":
        "Welche Zahl kommt danach? Ein Spiel von fünf Minuten für die Grundschule",
    "math;numbers;addition;counting;school;children;":
        "Mathe;Zahlen;Addition;Zählen;Schule;Kinder;",
    "Counting game for primary school":
        "Rechenspiel für die Grundschule",
    "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.":
        "Jede Runde zeigt eine Zahl von 0 bis 9999 und das Zeichen «+ 1 =»: Das Kind schreibt die Zahl, die danach kommt, und drückt die Eingabetaste. Das Spiel lobt es mit seinem Namen oder zeigt die richtige Antwort, spielt einen Ton, zählt richtige, falsche und alle Antworten und färbt den Hintergrund in jeder Runde neu.",
    "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.":
        "Ein Spiel dauert fünf Minuten. Der Rekord des Computers und der Name dessen, der ihn aufgestellt hat, bleiben für das nächste Spiel gespeichert.",
    "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.":
        "Für die Lehrkraft bleibt jedes beendete Spiel in den Ergebnissen der Klasse: Das Fenster «Ergebnisse der Klasse» zeigt Datum, Name, richtige, falsche und alle Antworten, filtert nach Name und Zeitraum, sortiert nach Spalten, zeichnet den Verlauf jedes Kindes und exportiert die Zeilen in eine CSV-Datei, die sich mit LibreOffice Calc öffnen lässt. Mit einem Bildschirmleser sagt das Spiel jede Aufgabe und jede Antwort; auf einem Touchscreen zeigt es ein Zahlenfeld.",
    "maths":
        "Mathe",
    "numbers":
        "Zahlen",
    "addition":
        "Addition",
    "counting":
        "Zählen",
    "primary school":
        "Grundschule",
    "class results":
        "Ergebnisse der Klasse",
    "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.":
        "Der Dienst, der den Rekord speichert, antwortet gerade nicht: Dein Spiel ist auf diesem Computer aufbewahrt und wird gespeichert, sobald der Dienst wieder läuft.",
    "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.":
        "Dein Spiel steht in den Ergebnissen der Klasse, kann aber nicht als Rekord zählen: Der Dienst, der den Rekord speichert, hat seinen Anfang nicht gesehen.",
    "I cannot save this contest.\n\nReason: %1":
        "Ich kann dieses Spiel nicht speichern.\n\nGrund: %1",
    "it claims more seconds of play than have passed since it started":
        "es gibt mehr Sekunden Spielzeit an, als seit seinem Anfang vergangen sind",
    "%1 contests have been played on this account today already, the most for one day":
        "mit diesem Konto wurden heute schon %1 Spiele gespielt, das Höchste für einen Tag",
    "its data are not valid":
        "seine Daten sind nicht gültig",
    "verified":
        "geprüft",
    "Verified":
        "Geprüft",
    "Computer's record: %1, by %2":
        "Rekord des Computers: %1, von %2",
    "Computer's record: %1, by %2 (account %3)":
        "Rekord des Computers: %1, von %2 (Konto %3)",
}
