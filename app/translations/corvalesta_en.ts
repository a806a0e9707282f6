<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>%1&apos;s page</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (account %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>The child&apos;s summary</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>No crossing missed.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>Crossings missed: %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>&amp;Wrong answers:</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>The wrong answers, newest first</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>No wrong answer recorded.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>Contests: %1. Best: %2. Right a minute: %3. Accuracy: %4. Last contest: %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>Contests</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>Last</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>Best</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>Right a minute</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>Crossings missed</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>On the list</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share of right answers: %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Mancano %1 e %2.</source>
        <extracomment>%1 is &quot;%n minuti&quot;, %2 is &quot;%n secondi&quot;, both translated below.</extracomment>
        <translation>%1 and %2 left.</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>%n minute left.</numerusform>
            <numerusform>%n minutes left.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>%n second left.</numerusform>
            <numerusform>%n seconds left.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>Time&apos;s up.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>shows the keypad beside the sum even without a touch screen</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>opens the class&apos;s results instead of a contest</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>code</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>speaks this language instead of the computer&apos;s</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>shows this help and quits</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>shows the version and quits</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>An option is missing its value.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>Unknown language: %1. The languages are: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>Not a valid value for --ms-al-secondo: %1</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>Usage: corvalesta [options]
A five-minute contest: what is a number plus 1?

Options:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>Languages: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>For the list of options: corvalesta --help</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>opens the class&apos;s settings instead of a contest</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>with --risultati: saves the children&apos;s table in this PDF, without a window</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>number</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>with --stampa: only the contests up to this number</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>with --stampa: only the contests of this length</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>play</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>with --stampa: only contests (gara) or only practice (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>period</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>with --stampa: oggi (today), settimana (this week) or tutto (all, when left out)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>text</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>with --stampa: only the names that hold this text</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 goes with %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>Not a valid value for %1: %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>Error: too many answers to count (overflow).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>What&apos;s your name?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1, let&apos;s see if you&apos;re a real champion!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>What is %1 plus 1?</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Right! %1, you&apos;re great!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>Not quite! It&apos;s %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>Right answers: %1, wrong: %2, in all: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>There is no record yet.</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>The record is %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>The record is %1, by %2.</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>SHALL WE START A NEW CONTEST?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>START A NEW CONTEST</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>Times table up to which number?</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1, you didn&apos;t choose, so we&apos;ll go up to 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>Time&apos;s up! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>Do you want a timed contest or a practice without the clock?</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;Contest</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>&amp;Practice</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>Practice, no clock and no record.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>The school&apos;s record cannot be read right now: this is this computer&apos;s record.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Keypad</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>Big keys for the touch screen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>Next sum</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>Made by the teachers</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>Girasole Primary School</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>new</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>For the girls and boys of year five</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Keypad</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>Time and record</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>The contests&apos; trend</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1: %2 a minute, %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>Chart of the right answers</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>Right answers of %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>Choose a row to see the chart</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>data</source>
        <translation>date</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>name</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>right</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>total</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>account</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>verified</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>up_to</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>play</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>wrong_answers</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>tens</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>tens_wrong</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>hundreds</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>hundreds_wrong</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>thousands</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>thousands_wrong</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>Verified</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>Up to</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>Play</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>practice</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>contest</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>The class&apos;s results belong to the teachers: the administrator and the accounts in the group corvalesta-maestri read them.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (wrong clock)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>Class results</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>Filter by name</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Period:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>today</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>this week</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>all</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>Export the rows shown</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>Contests shown</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>The class&apos;s contests</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>Table of results</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>Export the results</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>I cannot save the results in
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>I cannot read the results: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n contest</numerusform>
            <numerusform>%n contests</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>Computer&apos;s record: %1, by %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>Computer&apos;s record: %1, by %2 (account %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1; %n line of the file cannot be read</numerusform>
            <numerusform>%1; %n lines of the file cannot be read</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>contests</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>practices</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>all</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>&amp;Contests</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>C&amp;hildren</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>Print the children&apos;s table</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>Save the children&apos;s table as a PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>&amp;Up to:</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>Filter by numbers</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>&amp;Minutes:</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>Filter by length</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>Pla&amp;y:</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>Filter by play</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>The class&apos;s children</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>One row a child: Enter opens their page</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>The child&apos;s p&amp;age…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;Merge</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>Joins the rows chosen into one, for this window: the same child written two ways</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;Separate</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>Separates the merged rows again</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>Workbook (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1; reading the school&apos;s folder…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1; the school&apos;s folder cannot be read: only this computer&apos;s contests are shown</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1; cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>The highest answer to write: each sum shows a number from 0 to one less.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>How long a contest lasts; the clock counts down.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>Contest: timed, with the record. Practice: no clock and no record, wrong sums come back later, it ends with Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>How the record&apos;s holder is shown; the record is always kept.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>&amp;Numbers</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>&amp;Length</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>Class settings</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>The settings can only be read: the administrator and the teachers in the group corvalesta-maestri change them.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>Fixed by the administrator in %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>Chosen by the teachers.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>Default value.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>Saved: they hold from the next contest.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>Not saved: %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>One name a line: the game offers them when it asks for the name, and another can still be typed. Empty: the name is only typed.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>Class &amp;list</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>the class list is longer than %1 bytes</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>Bye, see you at the next challenge!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>OK! I&apos;ve saved your record, C H A M P I O N</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>The service that saves the record is not answering now: your contest is kept on this computer and will be saved as soon as the service is back.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>Your contest is in the class&apos;s results, but it cannot count as the record: the service that saves the record did not see it start.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>Number to complete</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>Plus sign</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>Number to add</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>Equals sign</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>Type the answer and press Enter</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>Type the answer here and press Enter</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>Hidden number</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>The game&apos;s answer</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>Empty line</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>Title of the right answers</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>This is your score. Go for the record!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>Title of the wrong answers</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>All answers</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>Title of all answers</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>Title of the time</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Click below me to set the timer</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>Title of the player&apos;s name</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Player&apos;s name</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>The record is </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>The record is</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>Name of the record holder</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>with points</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>Record points</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Next sum</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>Go on to the next sum</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>Please stay a little longer, maybe you&apos;ll beat the record!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>Leave the game and save the record</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>Button with no action</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - Counting up to 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>Right answers</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>All answers</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>Time left</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>with points</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - Counting up to %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>Counting game</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>Which number comes next? A five-minute contest for primary school</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>math;numbers;addition;counting;school;children;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>Class results</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>Counting game for primary school</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>Each round shows a number from 0 to 9999 and the sign «+ 1 =»: the child types the number that comes next and presses Enter. The game praises the child by name or shows the right answer, plays a sound, counts the right, wrong and total answers and colours the background anew every round.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>A contest lasts five minutes. The computer&apos;s record and the name of whoever set it are kept for the next contest.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>For the teacher, every finished contest stays in the class&apos;s results: the «Class results» window shows date, name, right, wrong and total answers, filters by name and period, sorts by column, charts each child&apos;s progress and exports the rows to a CSV file that opens in LibreOffice Calc. With a screen reader the game says every sum and every answer; on a touch screen it shows a keypad.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>maths</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>numbers</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>addition</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>counting</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>primary school</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>class results</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>Class settings</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>crossing a ten: %1 of %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>crossing a hundred: %1 of %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>crossing a thousand: %1 of %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>I am not allowed to use it</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>it is read-only</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>disk error</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>another copy of the game is saving the record</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>the folder is missing</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>the file is missing</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>it has another name: it is a hard link</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>the service that saves the record is not running: the computer&apos;s administrator starts it with «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>the service that saves the record did not answer</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>I cannot use the record&apos;s folder
%1

Reason: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>I cannot use the record&apos;s file
%1

Reason: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>unexpected error (code %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(record folder)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>the folder is not known</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>I cannot save this contest.

Reason: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>it claims more seconds of play than have passed since it started</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>%1 contests have been played on this account today already, the most for one day</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>its data are not valid</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>only the administrator and the teachers in the group corvalesta-maestri may change the settings</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>the settings are not valid</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — page %1 of %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>Printed on %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>Period: %1. Up to: %2. Minutes: %3. Play: %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>Name: “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n child</numerusform>
            <numerusform>%n children</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>No contest for this choice.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>I cannot save the PDF in
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>Save as PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» is not in the form «key = value»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>the key «%1» does not exist; the keys are fino_a, minuti, gioco and record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>«%1» cannot be «%2»; the values allowed are %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» was already set: the last line holds</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>it is not UTF-8 text</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>it is larger than %n kB</numerusform>
            <numerusform>it is larger than %n kB</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>it is not a plain file (it is a link, a folder or a pipe)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>it cannot be read: %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; the default settings hold.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; the default value holds for this key.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>up to %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>timed contest</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>practice without the clock</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>the child picks a contest or a practice</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>the whole name of the record&apos;s holder</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>the initials of the record&apos;s holder</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>no name: no ranking</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» cannot be «%2»: it needs a folder&apos;s whole path, such as /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
