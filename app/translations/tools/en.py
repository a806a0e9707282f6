# English: the game's texts for a child of 6 to 10, and the teacher's.
TEXTS = {
    ("Clock", "Mancano %1 e %2."): "%1 and %2 left.",
    ("Clock", "1 minuto"): "1 minute",
    ("Clock", "%n minuti"): ["%n minute", "%n minutes"],
    ("Clock", "1 secondo"): "1 second",
    ("Clock", "%n secondi"): ["%n second", "%n seconds"],
    ("Clock", "Manca 1 minuto."): "1 minute left.",
    ("Clock", "Mancano %n minuti."): ["%n minute left.", "%n minutes left."],
    ("Clock", "Manca 1 secondo."): "1 second left.",
    ("Clock", "Mancano %n secondi."): ["%n second left.", "%n seconds left."],
    ("Clock", "Tempo scaduto."): "Time's up.",
    ("CommandLine", "mostra il tastierino accanto al calcolo anche senza schermo tattile"):
        "shows the keypad beside the sum even without a touch screen",
    ("CommandLine", "apre i risultati della classe invece di una gara"):
        "opens the class's results instead of a contest",
    ("CommandLine", "codice"): "code",
    ("CommandLine", "parla questa lingua invece di quella del computer"):
        "speaks this language instead of the computer's",
    ("CommandLine", "mostra questo aiuto ed esce"): "shows this help and quits",
    ("CommandLine", "mostra la versione ed esce"): "shows the version and quits",
    ("CommandLine", "Manca il valore di un'opzione."): "An option is missing its value.",
    ("CommandLine", "Opzione sconosciuta: %1"): "Unknown option: %1",
    ("CommandLine", "Argomento non previsto: %1"): "Unexpected argument: %1",
    ("CommandLine", "Lingua sconosciuta: %1. Le lingue sono: %2."):
        "Unknown language: %1. The languages are: %2.",
    ("CommandLine", "Valore non valido per --ms-al-secondo: %1"):
        "Not a valid value for --ms-al-secondo: %1",
    ("CommandLine",
     "Uso: corvalesta [opzioni]\nUna gara di cinque minuti: quanto fa un numero più 1?\n\nOpzioni:\n"):
        "Usage: corvalesta [options]\nA five-minute contest: what is a number plus 1?\n\nOptions:\n",
    ("CommandLine", "Lingue: %1"): "Languages: %1",
    ("CommandLine", "Per l'elenco delle opzioni: corvalesta --help"):
        "For the list of options: corvalesta --help",
    ("Contest", "Errore: troppe risposte da contare (overflow)."):
        "Error: too many answers to count (overflow).",
    ("Contest", "Come ti chiami?"): "What's your name?",
    ("Contest", " %1 vediamo se sei un vero campione  "): "%1, let's see if you're a real champion!",
    ("Contest", "Quanto fa %1 più 1?"): "What is %1 plus 1?",
    ("Contest", "Esatto! %1 sei forte!"): "Right! %1, you're great!",
    ("Contest", "Sbagliato!! %1"): "Not quite! It's %1",
    ("Contest", "Risposte esatte: %1, errate: %2, totali: %3."):
        "Right answers: %1, wrong: %2, in all: %3.",
    ("Contest", "Non c'è ancora un record."): "There is no record yet.",
    ("Contest", "1 punto"): "1 point",
    ("Contest", "%n punti"): ["%n point", "%n points"],
    ("Contest", "%1 punti"): "%1 points",
    ("Contest", "Il record è di %1."): "The record is %1.",
    ("Contest", "Il record è di %1, di %2."): "The record is %1, by %2.",
    ("Contest", "INIZIAMO UNA NUOVA GARA  ?"): "SHALL WE START A NEW CONTEST?",
    ("Contest", "INIZIARE NUOVA GARA"): "START A NEW CONTEST",
    ("Contest", "Tavola pitagorica fino al numero? "): "Times table up to which number?",
    ("Contest", " %1 siccome non hai scelto arriviamo fino al 10."):
        "%1, you didn't choose, so we'll go up to 10.",
    ("Contest", "Tempo scaduto! %1"): "Time's up! %1",
    ("Keypad", "Cancella"): "Delete",
    ("Keypad", "Invio"): "Enter",
    ("Keypad", "Tastierino"): "Keypad",
    ("Keypad", "Tasti grandi per lo schermo a tocco"): "Big keys for the touch screen",
    ("MainWindow", "Risposta"): "Answer",
    ("MainWindow", "Nuovo calcolo"): "Next sum",
    ("MainWindow", "Esci"): "Exit",
    ("MainWindow", "Realizzato dalle maestre e dai maestri"): "Made by the teachers",
    ("MainWindow", "Scuola Primaria Girasole"): "Girasole Primary School",
    ("MainWindow", "nuovo"): "new",
    ("MainWindow", "Per le bambine e i bambini della quinta"): "For the girls and boys of year five",
    ("MainWindow", "Schermo intero"): "Full screen",
    ("MainWindow", "Tastierino"): "Keypad",
    ("MainWindow", "Tempo e record"): "Time and record",
    ("QtPlatform", "&Sì"): "&Yes",
    ("QtPlatform", "&No"): "&No",
    ("QtPlatform", "OK"): "OK",
    ("QtPlatform", "Annulla"): "Cancel",
    ("ResultsChart", "Grafico delle risposte esatte"): "Chart of the right answers",
    ("ResultsChart", "Risposte esatte di %1"): "Right answers of %1",
    ("ResultsChart", "Scegli una riga per vedere il grafico"): "Choose a row to see the chart",
    ("ResultsCsv", "data"): "date",
    ("ResultsCsv", "nome"): "name",
    ("ResultsCsv", "esatte"): "right",
    ("ResultsCsv", "errate"): "wrong",
    ("ResultsCsv", "totali"): "total",
    ("ResultsCsv", "secondi"): "seconds",
    ("ResultsCsv", "record"): "record",
    ("ResultsCsv", "utente"): "account",
    ("ResultsModel", "Data"): "Date",
    ("ResultsModel", "Nome"): "Name",
    ("ResultsModel", "Esatte"): "Right",
    ("ResultsModel", "Errate"): "Wrong",
    ("ResultsModel", "Totali"): "Total",
    ("ResultsModel", "Durata"): "Time",
    ("ResultsModel", "Record"): "Record",
    ("ResultsModel", "Utente"): "Account",
    ("ResultsModel", "sì"): "yes",
    ("ResultsModel", "no"): "no",
    ("ResultsWindow", "Risultati della classe"): "Class results",
    ("ResultsWindow", "Lettura…"): "Reading…",
    ("ResultsWindow", "&Nome:"): "&Name:",
    ("ResultsWindow", "Filtra per nome"): "Filter by name",
    ("ResultsWindow", "&Periodo:"): "&Period:",
    ("ResultsWindow", "Periodo"): "Period",
    ("ResultsWindow", "oggi"): "today",
    ("ResultsWindow", "questa settimana"): "this week",
    ("ResultsWindow", "tutto"): "all",
    ("ResultsWindow", "&Esporta…"): "&Export…",
    ("ResultsWindow", "Esporta le righe mostrate"): "Export the rows shown",
    ("ResultsWindow", "Gare mostrate"): "Contests shown",
    ("ResultsWindow", "Gare della classe"): "The class's contests",
    ("ResultsWindow", "Tabella dei risultati"): "Table of results",
    ("ResultsWindow", "Esporta i risultati"): "Export the results",
    ("ResultsWindow", "Non riesco a salvare i risultati in\n%1"): "I cannot save the results in\n%1",
    ("ResultsWindow", "Non riesco a leggere i risultati: %1"): "I cannot read the results: %1",
    ("ResultsWindow", "1 gara"): "1 contest",
    ("ResultsWindow", "%n gare"): ["%n contest", "%n contests"],
    ("contest", "Ciao, alla prossima sfida. "): "Bye, see you at the next challenge!",
    ("contest", "Ok! Ho registrato il tuo record, C A M P I O N E"):
        "OK! I've saved your record, C H A M P I O N",
    ("design", "Numero da completare"): "Number to complete",
    ("design", "Segno più"): "Plus sign",
    ("design", "Numero da aggiungere"): "Number to add",
    ("design", "Segno uguale"): "Equals sign",
    ("design", "Inserisci il risultato e  premi il tasto  Invio"): "Type the answer and press Enter",
    ("design", "Scrivi qui il risultato e premi Invio"): "Type the answer here and press Enter",
    ("design", "Numero nascosto"): "Hidden number",
    ("design", "Risposta del gioco"): "The game's answer",
    ("design", "Riga vuota"): "Empty line",
    ("design", "Risposte esatte"): "Right answers",
    ("design", "Titolo delle risposte esatte"): "Title of the right answers",
    ("design", "Questo è il tuo punteggio. Forza con il  record"):
        "This is your score. Go for the record!",
    ("design", "Risposte errate"): "Wrong answers",
    ("design", "Titolo delle risposte errate"): "Title of the wrong answers",
    ("design", "Risposte totali"): "All answers",
    ("design", "Titolo delle risposte totali"): "Title of all answers",
    ("design", "Tempo restante"): "Time left",
    ("design", "Titolo del tempo"): "Title of the time",
    ("design", "Clicca sotto di me per impostare il Timer"): "Click below me to set the timer",
    ("design", "Orologio"): "Clock",
    ("design", "Sfidante"): "Player",
    ("design", "Titolo del nome del giocatore"): "Title of the player's name",
    ("design", "Nome del giocatore"): "Player's name",
    ("design", "Il record  è di "): "The record is ",
    ("design", "Il record è di"): "The record is",
    ("design", "Nome di chi ha il record"): "Name of the record holder",
    ("design", "con punti"): "with points",
    ("design", "Punti del record"): "Record points",
    ("design", "&Nuovo calcolo"): "&Next sum",
    ("design", "Go"): "Go",
    ("design", "Passa al prossimo calcolo"): "Go on to the next sum",
    ("design", "E&xit"): "E&xit",
    ("design", "Ti prego resta ancora, forse riuscirai a farmi uscire "):
        "Please stay a little longer, maybe you'll beat the record!",
    ("design", "Esci dal gioco e registra il record"): "Leave the game and save the record",
    ("design", "Pulsante senza azione"): "Button with no action",
    ("design", "Ventobaldo- Arrivo fino a 10000"): "Ventobaldo - Counting up to 10000",
    ("records", "il disco è pieno"): "the disk is full",
    ("records", "non ho il permesso di usarlo"): "I am not allowed to use it",
    ("records", "è di sola lettura"): "it is read-only",
    ("records", "errore del disco"): "disk error",
    ("records", "un'altra copia del gioco sta salvando il record"):
        "another copy of the game is saving the record",
    ("records", "non è una cartella"): "it is not a folder",
    ("records", "non è un file normale"): "it is not a regular file",
    ("records", "la cartella non c'è"): "the folder is missing",
    ("records", "il file non c'è"): "the file is missing",
    ("records", "ci sono troppi file aperti"): "too many files are open",
    ("records", "la memoria è esaurita"): "out of memory",
    ("records", "ha un altro nome: è un collegamento fisso"): "it has another name: it is a hard link",
    ("records",
     "il servizio che registra il record non è in funzione: chi amministra il computer lo avvia "
     "con «sudo systemctl enable --now corvalesta-record.socket»"):
        "the service that saves the record is not running: the computer's administrator starts "
        "it with «sudo systemctl enable --now corvalesta-record.socket»",
    ("records", "il servizio che registra il record non ha risposto"):
        "the service that saves the record did not answer",
    ("records", "Non riesco a usare la cartella del record\n%1\n\nMotivo: %2"):
        "I cannot use the record's folder\n%1\n\nReason: %2",
    ("records", "Non riesco a usare il file del record\n%1\n\nMotivo: %2"):
        "I cannot use the record's file\n%1\n\nReason: %2",
    ("records", "errore imprevisto (codice %1)"): "unexpected error (code %1)",
    ("records", "(cartella dei record)"): "(record folder)",
    ("records", "la cartella non è nota"): "the folder is not known",
    ("records", "il nome è troppo lungo"): "the name is too long",
    # The desktop entry and the AppStream data.
    ("desktop", "Gara di calcolo"):
        "Counting game",
    ("desktop", "Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria"):
        "Which number comes next? A five-minute contest for primary school",
    ("desktop", "matematica;numeri;addizione;contare;scuola;bambini;"):
        "math;numbers;addition;counting;school;children;",
    ("desktop", "Risultati della classe"):
        "Class results",
    ("desktop", "Gara di calcolo per la scuola primaria"):
        "Counting game for primary school",
    ("desktop", "Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno."):
        "Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.",
    ("desktop", "Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva."):
        "A contest lasts five minutes. The computer's record and the name of whoever set it are kept for the next contest.",
    ("desktop", "Per l'insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l'andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino."):
        "For the teacher, every finished contest stays in the class's results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child's progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.",
    ("desktop", "matematica"):
        "maths",
    ("desktop", "numeri"):
        "numbers",
    ("desktop", "addizione"):
        "addition",
    ("desktop", "contare"):
        "counting",
    ("desktop", "scuola primaria"):
        "primary school",
    ("desktop", "risultati della classe"):
        "class results",
    ("contest", "Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione."):
        "The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.",
    ("contest", "La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l'inizio."):
        "Your contest is in the class's results, but it cannot count as the record: the service that saves the record did not see it start.",
    ("records", "Non posso registrare questa gara.\n\nMotivo: %1"):
        "I cannot save this contest.\n\nReason: %1",
    ("records", "dice di aver giocato più secondi di quanti ne siano passati dal suo inizio"):
        "it claims more seconds of play than have passed since it started",
    ("records", "con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno"):
        "%1 contests have been played on this account today already, the most for one day",
    ("records", "i suoi dati non sono validi"):
        "its data are not valid",
    ("ResultsCsv", "verificata"):
        "verified",
    ("ResultsModel", "Verificata"):
        "Verified",
    ("ResultsWindow", "Record del computer: %1, di %2"):
        "Computer's record: %1, by %2",
    ("ResultsWindow", "Record del computer: %1, di %2 (utente %3)"):
        "Computer's record: %1, by %2 (account %3)",
}
