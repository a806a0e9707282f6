<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Seite von %1</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (Benutzer %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>Übersicht des Kindes</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>Kein Übergang falsch.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>Falsche Übergänge: %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>&amp;Falsche Antworten:</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>Die falschen Antworten, die neueste zuerst</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>Keine falsche Antwort gespeichert.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>Wettbewerbe: %1. Bestes: %2. Richtige pro Minute: %3. Genauigkeit: %4. Letzter Wettbewerb: %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>Wettbewerbe</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>Bestes</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>Richtige pro Minute</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>Falsche Übergänge</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>In der Liste</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share of right answers: %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Mancano %1 e %2.</source>
        <extracomment>%1 is &quot;%n minuti&quot;, %2 is &quot;%n secondi&quot;, both translated below.</extracomment>
        <translation>Noch %1 und %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>Noch %n Minute.</numerusform>
            <numerusform>Noch %n Minuten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>Noch %n Sekunde.</numerusform>
            <numerusform>Noch %n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>Die Zeit ist um.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>zeigt das Zahlenfeld neben der Aufgabe, auch ohne Touchscreen</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>öffnet die Ergebnisse der Klasse statt eines Spiels</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>spricht diese Sprache statt der des Computers</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>zeigt diese Hilfe und beendet</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>zeigt die Version und beendet</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>Aufruf: corvalesta [Optionen]
Ein Spiel von fünf Minuten: Was ist eine Zahl plus 1?

Optionen:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>Sprachen: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>Für die Liste der Optionen: corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>Einer Option fehlt ihr Wert.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>Unbekannte Sprache: %1. Die Sprachen sind: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>Kein gültiger Wert für --ms-al-secondo: %1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>öffnet die Einstellungen der Klasse statt eines Spiels</translation>
    </message>
    <message>
        <source>file</source>
        <translation>datei</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>mit --risultati: speichert die Tabelle der Kinder in diesem PDF, ohne Fenster</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>zahl</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>mit --stampa: nur die Wettbewerbe bis zu dieser Zahl</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>mit --stampa: nur die Wettbewerbe dieser Dauer</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>spiel</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>mit --stampa: nur Wettbewerb (gara) oder nur Übung (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>zeitraum</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>mit --stampa: oggi (heute), settimana (Woche) oder tutto (alles, wenn es fehlt)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>text</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>mit --stampa: nur die Namen, die diesen Text enthalten</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 gehört zu %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>Ungültiger Wert für %1: %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>Fehler: zu viele Antworten zum Zählen (Überlauf).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1, mal sehen, ob du ein echter Champion bist!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>Was ist %1 plus 1?</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Richtig! %1, du bist super!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>Nicht ganz! Es ist %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>Richtige Antworten: %1, falsche: %2, insgesamt: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>Es gibt noch keinen Rekord.</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>Der Rekord ist %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>Der Rekord ist %1, von %2.</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>FANGEN WIR EIN NEUES SPIEL AN?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>NEUES SPIEL STARTEN</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>Einmaleins bis zu welcher Zahl?</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1, du hast nichts gewählt, also gehen wir bis 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>Die Zeit ist um! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>Möchtest du ein Spiel auf Zeit oder eine Übung ohne Uhr?</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>&amp;Übung</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>Übung, ohne Uhr und ohne Rekord.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>Der Rekord der Schule lässt sich gerade nicht lesen: Das ist der Rekord dieses Computers.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>Große Tasten für den Touchscreen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>Nächste Aufgabe</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>Gemacht von den Lehrerinnen und Lehrern</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>Grundschule Girasole</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>Für die Mädchen und Jungen der fünften Klasse</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Zahlenfeld</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>Zeit und Rekord</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>Verlauf der Wettbewerbe</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1: %2 pro Minute, %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>Diagramm der richtigen Antworten</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>Richtige Antworten von %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>Wähle eine Zeile, um das Diagramm zu sehen</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>data</source>
        <translation>datum</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>name</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>sekunden</translation>
    </message>
    <message>
        <source>record</source>
        <translation>rekord</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>konto</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>spielart</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>falsche_antworten</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>zehner</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>zehner_falsch</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>hunderter</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>hunderter_falsch</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>tausender</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>tausender_falsch</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>Die Ergebnisse der Klasse gehören den Lehrkräften: lesen können sie der Administrator und die Konten der Gruppe corvalesta-maestri.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (Uhr falsch)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>Lesen…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>Nach Name filtern</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>diese Woche</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>alles</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>Die gezeigten Zeilen exportieren</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>Gezeigte Spiele</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>Die Spiele der Klasse</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>Tabelle der Ergebnisse</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>Die Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Ich kann die Ergebnisse nicht speichern in
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>Ich kann die Ergebnisse nicht lesen: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>Rekord des Computers: %1, von %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>Rekord des Computers: %1, von %2 (Konto %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1; %n Zeile der Datei ist nicht lesbar</numerusform>
            <numerusform>%1; %n Zeilen der Datei sind nicht lesbar</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>Wettbewerbe</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>&amp;Wettbewerbe</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>&amp;Kinder</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>Die Tabelle der Kinder drucken</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>Die Tabelle der Kinder als PDF speichern</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>Nach Zahlen filtern</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>Nach Dauer filtern</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>S&amp;piel:</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>Nach Spiel filtern</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>Kinder der Klasse</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>Eine Zeile pro Kind: Eingabe öffnet seine Seite</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>Seite des K&amp;indes…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>Führt die gewählten Zeilen zu einer zusammen, für dieses Fenster: dasselbe Kind zweimal anders geschrieben</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>Trennt die zusammengeführten Zeilen wieder</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>Arbeitsmappe (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1; der Ordner der Schule wird gelesen…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1; der Ordner der Schule lässt sich nicht lesen: nur die Wettkämpfe dieses Computers</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1; nicht lesbar: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>Die größte Antwort: jede Aufgabe zeigt eine Zahl von 0 bis eins weniger.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>Wie lange ein Spiel dauert; die Uhr zählt rückwärts.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>Spiel: auf Zeit, mit Rekord. Übung: ohne Uhr und ohne Rekord, falsche Aufgaben kommen später wieder, Ende mit Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>Wie der Rekordhalter gezeigt wird; der Rekord wird immer gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>&amp;Zahlen</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>&amp;Dauer</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>Spiel&amp;art</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Rekord</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>Einstellungen der Klasse</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>Die Einstellungen können nur gelesen werden: ändern können sie der Administrator und die Lehrkräfte der Gruppe corvalesta-maestri.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>Vom Administrator festgelegt in %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>Von den Lehrkräften gewählt.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>Standardwert.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>Gespeichert: sie gelten ab dem nächsten Spiel.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>Ein Name pro Zeile: Das Spiel bietet sie an, wenn es nach dem Namen fragt, und man kann noch einen anderen schreiben. Leer: Der Name wird nur geschrieben.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>&amp;Klassenliste</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>die Klassenliste ist länger als %1 Byte</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>Tschüss, bis zur nächsten Herausforderung!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>Gut! Ich habe deinen Rekord gespeichert, C H A M P I O N</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>Der Dienst, der den Rekord speichert, antwortet gerade nicht: Dein Spiel ist auf diesem Computer aufbewahrt und wird gespeichert, sobald der Dienst wieder läuft.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>Dein Spiel steht in den Ergebnissen der Klasse, kann aber nicht als Rekord zählen: Der Dienst, der den Rekord speichert, hat seinen Anfang nicht gesehen.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>Zahl zum Ergänzen</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>Pluszeichen</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>Zahl zum Addieren</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>Gleichheitszeichen</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>Schreib das Ergebnis und drück die Eingabetaste</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>Schreib hier das Ergebnis und drück die Eingabetaste</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>Versteckte Zahl</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>Die Antwort des Spiels</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>Leere Zeile</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>Titel der richtigen Antworten</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>Das sind deine Punkte. Auf zum Rekord!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>Titel der falschen Antworten</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Alle Antworten</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>Titel aller Antworten</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>Titel der Zeit</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Klick unter mich, um die Zeit einzustellen</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>Titel des Spielernamens</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Name des Spielers</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>Der Rekord ist </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>Der Rekord ist</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>Name des Rekordhalters</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>mit Punkten</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>Punkte des Rekords</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Nächste Aufgabe</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>Los</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>Weiter zur nächsten Aufgabe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>Bleib noch ein bisschen, vielleicht schlägst du den Rekord!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>Das Spiel beenden und den Rekord speichern</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>Knopf ohne Aktion</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - Zählen bis 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>Alle Antworten</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>mit Punkten</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - Zählen bis %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>Rechenspiel</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>Welche Zahl kommt danach? Ein Spiel von fünf Minuten für die Grundschule</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>Mathe;Zahlen;Addition;Zählen;Schule;Kinder;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>Rechenspiel für die Grundschule</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>Jede Runde zeigt eine Zahl von 0 bis 9999 und das Zeichen «+ 1 =»: Das Kind schreibt die Zahl, die danach kommt, und drückt die Eingabetaste. Das Spiel lobt es mit seinem Namen oder zeigt die richtige Antwort, spielt einen Ton, zählt richtige, falsche und alle Antworten und färbt den Hintergrund in jeder Runde neu.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>Ein Spiel dauert fünf Minuten. Der Rekord des Computers und der Name dessen, der ihn aufgestellt hat, bleiben für das nächste Spiel gespeichert.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>Für die Lehrkraft bleibt jedes beendete Spiel in den Ergebnissen der Klasse: Das Fenster «Ergebnisse der Klasse» zeigt Datum, Name, richtige, falsche und alle Antworten, filtert nach Name und Zeitraum, sortiert nach Spalten, zeichnet den Verlauf jedes Kindes und exportiert die Zeilen in eine CSV-Datei, die sich mit LibreOffice Calc öffnen lässt. Mit einem Bildschirmleser sagt das Spiel jede Aufgabe und jede Antwort; auf einem Touchscreen zeigt es ein Zahlenfeld.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>Mathe</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>Grundschule</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>Einstellungen der Klasse</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>Zehnerübergang: %1 von %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>Hunderterübergang: %1 von %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>Tausenderübergang: %1 von %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>ich darf sie nicht benutzen</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>Festplattenfehler</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>eine andere Kopie des Spiels speichert gerade den Rekord</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>der Ordner fehlt</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>zu viele Dateien sind geöffnet</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>der Speicher ist voll</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>sie hat einen anderen Namen: sie ist ein harter Link</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>der Dienst, der den Rekord speichert, läuft nicht: wer den Computer verwaltet, startet ihn mit «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>der Dienst, der den Rekord speichert, hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>Ich kann den Ordner des Rekords nicht benutzen
%1

Grund: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>Ich kann die Datei des Rekords nicht benutzen
%1

Grund: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>unerwarteter Fehler (Code %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(Ordner des Rekords)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>der Ordner ist nicht bekannt</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>Ich kann dieses Spiel nicht speichern.

Grund: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>es gibt mehr Sekunden Spielzeit an, als seit seinem Anfang vergangen sind</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>mit diesem Konto wurden heute schon %1 Spiele gespielt, das Höchste für einen Tag</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>seine Daten sind nicht gültig</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>nur der Administrator und die Lehrkräfte der Gruppe corvalesta-maestri dürfen die Einstellungen ändern</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>die Einstellungen sind nicht gültig</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — Seite %1 von %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>Zeitraum: %1. Bis: %2. Minuten: %3. Spiel: %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>Name: „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n Kind</numerusform>
            <numerusform>%n Kinder</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>Keine Wettbewerbe für diese Auswahl.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Ich kann das PDF nicht speichern in
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» hat nicht die Form «Schlüssel = Wert»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>den Schlüssel «%1» gibt es nicht; die Schlüssel sind fino_a, minuti, gioco und record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>«%1» kann nicht «%2» sein; erlaubt sind %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» wurde schon gesetzt: die letzte Zeile gilt</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>es ist kein UTF-8-Text</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>es ist größer als %n kB</numerusform>
            <numerusform>es ist größer als %n kB</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>es ist keine normale Datei (sondern ein Link, ein Ordner oder eine Pipe)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>es lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; es gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; für diesen Schlüssel gilt der Standardwert.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>bis %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>Spiel auf Zeit</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>Übung ohne Uhr</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>das Kind wählt Spiel oder Übung</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>der ganze Name des Rekordhalters</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>die Initialen des Rekordhalters</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>kein Name: keine Rangliste</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» kann nicht «%2» sein: nötig ist der ganze Pfad eines Ordners, etwa /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
