<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Pagina lui %1</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (utilizator %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>Rezumatul copilului</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>Nicio trecere greșită.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>Treceri greșite: %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>&amp;Răspunsuri greșite:</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>Răspunsurile greșite, cel mai recent primul</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>Niciun răspuns greșit înregistrat.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>Concursuri: %1. Cel mai bun: %2. Corecte pe minut: %3. Precizie: %4. Ultimul concurs: %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>Concursuri</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>Ultimul</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>Cel mai bun</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>Corecte pe minut</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>Precizie</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>Evoluție</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>Treceri greșite</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>Pe listă</translation>
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
        <translation>Mai sunt %1 și %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minute</numerusform>
            <numerusform>%n de minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n secundă</numerusform>
            <numerusform>%n secunde</numerusform>
            <numerusform>%n de secunde</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>Mai este %n minut.</numerusform>
            <numerusform>Mai sunt %n minute.</numerusform>
            <numerusform>Mai sunt %n de minute.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>Mai este %n secundă.</numerusform>
            <numerusform>Mai sunt %n secunde.</numerusform>
            <numerusform>Mai sunt %n de secunde.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>Timpul a expirat.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>arată tastatura numerică lângă calcul, chiar și fără ecran tactil</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>deschide rezultatele clasei în loc de un joc</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>cod</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>vorbește această limbă în locul celei a calculatorului</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>arată acest ajutor și iese</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>arată versiunea și iese</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>Utilizare: corvalesta [opțiuni]
Un joc de cinci minute: cât fac un număr plus 1?

Opțiuni:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>Limbi: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>Pentru lista opțiunilor: corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>Unei opțiuni îi lipsește valoarea.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Opțiune necunoscută: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>Argument neașteptat: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>Limbă necunoscută: %1. Limbile sunt: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>Valoare nevalidă pentru --ms-al-secondo: %1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>deschide setările clasei în loc de un joc</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fișier</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>cu --risultati: salvează tabelul copiilor în acest PDF, fără fereastră</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>număr</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>cu --stampa: doar concursurile până la acest număr</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>cu --stampa: doar concursurile de această durată</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>joc</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>cu --stampa: doar concurs (gara) sau doar antrenament (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>perioadă</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>cu --stampa: oggi (azi), settimana (săptămâna) sau tutto (tot, dacă lipsește)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>text</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>cu --stampa: doar numele care conțin acest text</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 se folosește cu %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>Valoare nevalidă pentru %1: %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>Eroare: prea multe răspunsuri de numărat (depășire).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Cum te cheamă?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1, hai să vedem dacă ești un adevărat campion!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>Cât fac %1 plus 1?</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Corect! %1, ești grozav!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>Nu chiar! Este %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>Răspunsuri corecte: %1, greșite: %2, în total: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>Încă nu există un record.</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n punct</numerusform>
            <numerusform>%n puncte</numerusform>
            <numerusform>%n de puncte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>%1 puncte</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>Recordul este de %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>Recordul este de %1, al lui %2.</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ÎNCEPEM UN JOC NOU?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>ÎNCEPE UN JOC NOU</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>Tabla înmulțirii până la ce număr?</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1, pentru că n-ai ales, mergem până la 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>Timpul a expirat! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>Vrei un joc cu timp sau un exercițiu fără ceas?</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>&amp;Exercițiu</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>Exercițiu, fără ceas și fără record.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>Recordul școlii nu se poate citi acum: acesta este recordul acestui calculator.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Tastatură numerică</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>Taste mari pentru ecranul tactil</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>Răspuns</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>Calculul următor</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>Realizat de învățătoare și învățători</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>Școala Primară Girasole</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>nou</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>Pentru fetele și băieții din clasa a cincea</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Ecran complet</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Tastatură numerică</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>Timp și record</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>Evoluția concursurilor</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1: %2 pe minut, %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>Graficul răspunsurilor corecte</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>Răspunsurile corecte ale lui %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>Alege un rând ca să vezi graficul</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>data</source>
        <translation>data</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>nume</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>corecte</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>greșite</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>total</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>secunde</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>cont</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>verificat</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>pana_la</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>joc</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>răspunsuri_greșite</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>zeci</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>zeci_greșite</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>sute</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>sute_greșite</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>mii</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>mii_greșite</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Corecte</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Greșite</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Cont</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>da</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nu</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>Verificat</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>Până la</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>Joc</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>exercițiu</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>joc</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>Rezultatele clasei sunt ale profesorilor: le citesc administratorul și conturile din grupul corvalesta-maestri.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (ceas greșit)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>Rezultatele clasei</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>Citesc…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>Filtrează după nume</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Perioadă:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Perioadă</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>azi</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>săptămâna aceasta</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Exportă…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>Exportă rândurile afișate</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>Jocuri afișate</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>Jocurile clasei</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>Tabelul rezultatelor</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>Exportă rezultatele</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Nu pot salva rezultatele în
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>Nu pot citi rezultatele: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n joc</numerusform>
            <numerusform>%n jocuri</numerusform>
            <numerusform>%n de jocuri</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>Recordul calculatorului: %1, al lui %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>Recordul calculatorului: %1, al lui %2 (utilizator %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1; %n rând din fișier nu se poate citi</numerusform>
            <numerusform>%1; %n rânduri din fișier nu se pot citi</numerusform>
            <numerusform>%1; %n de rânduri din fișier nu se pot citi</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Tipărește…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>concursuri</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>antrenamente</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>toate</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>&amp;Concursuri</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>Co&amp;pii</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>Tipărește tabelul copiilor</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>Salvează tabelul copiilor în PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>Până &amp;la:</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>Filtrează după numere</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>&amp;Minute:</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>Filtrează după durată</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>J&amp;oc:</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>Filtrează după joc</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>Copiii clasei</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>Un rând pe copil: Enter îi deschide pagina</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>P&amp;agina copilului…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;Unește</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>Unește rândurile alese într-unul singur, pentru această fereastră: același copil scris în două feluri</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;Separă</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>Separă din nou rândurile unite</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>Registru de calcul (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1; se citește dosarul școlii…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1; dosarul școlii nu se poate citi: sunt doar concursurile acestui calculator</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1; nu se pot citi: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>Cel mai mare răspuns: fiecare calcul arată un număr de la 0 la cu unu mai puțin.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>Cât durează un joc; ceasul numără invers.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>Joc: cu timp și cu record. Exercițiu: fără ceas și fără record, calculele greșite revin mai târziu, se termină cu Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>Cum se arată cine are recordul; recordul se păstrează mereu.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>&amp;Numere</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>&amp;Durată</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>J&amp;oc</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>Setările clasei</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>Setările pot fi doar citite: le schimbă administratorul și profesorii din grupul corvalesta-maestri.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>În&amp;chide</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>Fixată de administrator în %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>Aleasă de profesori.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>Valoare implicită.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>Salvate: sunt valabile de la următorul joc.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>Nesalvate: %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>Un nume pe rând: jocul le oferă când cere numele și se poate scrie încă altul. Gol: numele doar se scrie.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>&amp;Lista clasei</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>lista clasei are mai mult de %1 octeți</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>Pa, ne vedem la următoarea provocare!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>Gata! Ți-am salvat recordul, C A M P I O N U L E</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>Serviciul care salvează recordul nu răspunde acum: jocul tău este păstrat pe acest calculator și va fi salvat imediat ce serviciul revine.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>Jocul tău este în rezultatele clasei, dar nu poate conta ca record: serviciul care salvează recordul nu i-a văzut începutul.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>Număr de completat</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>Semnul plus</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>Număr de adunat</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>Semnul egal</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>Scrie rezultatul și apasă Enter</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>Scrie aici rezultatul și apasă Enter</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>Număr ascuns</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>Răspunsul jocului</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>Rând gol</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Răspunsuri corecte</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>Titlul răspunsurilor corecte</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>Acesta e punctajul tău. Hai după record!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Răspunsuri greșite</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>Titlul răspunsurilor greșite</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Toate răspunsurile</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>Titlul tuturor răspunsurilor</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Timp rămas</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>Titlul timpului</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Apasă sub mine ca să potrivești cronometrul</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Ceas</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>Titlul numelui jucătorului</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Numele jucătorului</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>Recordul este de </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>Recordul este de</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>Numele celui care are recordul</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>cu puncte</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>Punctele recordului</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>Calculul &amp;următor</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>Hai</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>Treci la calculul următor</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>Mai rămâi puțin, poate bați recordul!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>Ieși din joc și salvează recordul</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>Buton fără acțiune</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - Numărăm până la 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>Răspunsuri corecte</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>Răspunsuri greșite</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>Toate răspunsurile</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>Timp rămas</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>cu puncte</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - Numărăm până la %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>Joc de calcul</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>Ce număr vine după? Un joc de cinci minute pentru școala primară</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>matematică;numere;adunare;numărare;școală;copii;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>Rezultatele clasei</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>Joc de calcul pentru școala primară</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>Fiecare tură arată un număr de la 0 la 9999 și semnul «+ 1 =»: copilul scrie numărul care vine după și apasă Enter. Jocul îl laudă pe nume sau arată răspunsul corect, scoate un sunet, numără răspunsurile corecte, greșite și totale și colorează fundalul din nou la fiecare tură.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>Un joc durează cinci minute. Recordul calculatorului și numele celui care l-a stabilit rămân salvate pentru jocul următor.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>Pentru învățător, fiecare joc terminat rămâne în rezultatele clasei: fereastra «Rezultatele clasei» arată data, numele, răspunsurile corecte, greșite și totale, filtrează după nume și perioadă, sortează după coloană, desenează progresul fiecărui copil și exportă rândurile într-un fișier CSV care se deschide cu LibreOffice Calc. Cu un cititor de ecran, jocul spune fiecare calcul și fiecare răspuns; pe un ecran tactil arată o tastatură numerică.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>matematică</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>numere</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>adunare</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>numărare</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>școală primară</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>rezultatele clasei</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>Setările clasei</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>trecerea peste zece: %1 din %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>trecerea peste sută: %1 din %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>trecerea peste mie: %1 din %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>discul este plin</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>nu am voie să îl folosesc</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>este doar pentru citire</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>eroare de disc</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>altă copie a jocului salvează recordul</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>nu este un dosar</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>dosarul lipsește</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>fișierul lipsește</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>sunt prea multe fișiere deschise</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>memoria s-a terminat</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>are alt nume: este o legătură fizică</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>serviciul care salvează recordul nu funcționează: cine administrează calculatorul îl pornește cu «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>serviciul care salvează recordul nu a răspuns</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>Nu pot folosi dosarul recordului
%1

Motiv: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>Nu pot folosi fișierul recordului
%1

Motiv: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>eroare neașteptată (cod %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(dosarul recordului)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>dosarul nu este cunoscut</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>numele este prea lung</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>Nu pot salva acest joc.

Motiv: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>spune că a jucat mai multe secunde decât au trecut de la începutul lui</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>astăzi s-au jucat deja %1 jocuri cu acest utilizator, maximul pentru o zi</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>datele lui nu sunt valide</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>doar administratorul și profesorii din grupul corvalesta-maestri pot schimba setările</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>setările nu sunt valide</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — pagina %1 din %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>Tipărit pe %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>Perioada: %1. Până la: %2. Minute: %3. Joc: %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>Nume: „%1”.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n copil</numerusform>
            <numerusform>%n copii</numerusform>
            <numerusform>%n de copii</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>Niciun concurs pentru această alegere.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Nu pot salva PDF-ul în
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>Salvează în PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1, rândul %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» nu are forma «cheie = valoare»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>cheia «%1» nu există; cheile sunt fino_a, minuti, gioco și record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>«%1» nu poate fi «%2»; valorile posibile sunt %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» a fost deja setată: contează ultimul rând</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>nu este text UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>este mai mare de %n kB</numerusform>
            <numerusform>este mai mare de %n kB</numerusform>
            <numerusform>este mai mare de %n de kB</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>nu este un fișier obișnuit (este o legătură, un dosar sau o conductă)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>nu se poate citi: %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; sunt valabile setările implicite.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; pentru această cheie e valabilă valoarea implicită.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>până la %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minute</numerusform>
            <numerusform>%n de minute</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>joc cu timp</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>exercițiu fără ceas</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>copilul alege joc sau exercițiu</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>numele întreg al celui care are recordul</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>inițialele celui care are recordul</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>niciun nume: fără clasament</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» nu poate fi «%2»: trebuie calea întreagă a unui dosar, ca /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
