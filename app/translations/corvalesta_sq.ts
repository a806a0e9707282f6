<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Faqja e %1</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (përdoruesi %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>Përmbledhja e fëmijës</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>Asnjë kalim i gabuar.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>Kalime të gabuara: %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>Përgjigje të &amp;gabuara:</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>Përgjigjet e gabuara, më e reja e para</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>Asnjë përgjigje e gabuar e regjistruar.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>Gara: %1. Më e mira: %2. Të sakta në minutë: %3. Saktësia: %4. Gara e fundit: %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>Gara</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>E fundit</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>Më e mira</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>Të sakta në minutë</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>Saktësia</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>Ecuria</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>Kalime të gabuara</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>Në listë</translation>
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
        <translation>Kanë mbetur %1 e %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minutë</numerusform>
            <numerusform>%n minuta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n sekondë</numerusform>
            <numerusform>%n sekonda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>Ka mbetur %n minutë.</numerusform>
            <numerusform>Kanë mbetur %n minuta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>Ka mbetur %n sekondë.</numerusform>
            <numerusform>Kanë mbetur %n sekonda.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>Koha mbaroi.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>tregon tastierën me numra pranë llogarisë, edhe pa ekran me prekje</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>hap rezultatet e klasës në vend të një loje</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>kodi</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>flet këtë gjuhë në vend të gjuhës së kompjuterit</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>tregon këtë ndihmë dhe del</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>tregon versionin dhe del</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>Përdorimi: corvalesta [opsione]
Një lojë pesë minutëshe: sa bën një numër plus 1?

Opsione:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>Gjuhët: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>Për listën e opsioneve: corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>Një opsioni i mungon vlera.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Opsion i panjohur: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>Argument i papritur: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>Gjuhë e panjohur: %1. Gjuhët janë: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>Vlerë e pavlefshme për --ms-al-secondo: %1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>hap cilësimet e klasës në vend të një loje</translation>
    </message>
    <message>
        <source>file</source>
        <translation>skedar</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>me --risultati: ruan tabelën e fëmijëve në këtë PDF, pa dritare</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>numër</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>me --stampa: vetëm garat deri në këtë numër</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minuta</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>me --stampa: vetëm garat me këtë kohëzgjatje</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>loja</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>me --stampa: vetëm garë (gara) ose vetëm ushtrim (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>periudhë</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>me --stampa: oggi (sot), settimana (java) ose tutto (të gjitha, kur mungon)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>me --stampa: vetëm emrat që e përmbajnë këtë tekst</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 përdoret me %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>Vlerë e pavlefshme për %1: %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>Gabim: shumë përgjigje për t&apos;u numëruar (tejkalim).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Si e ke emrin?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1, le të shohim nëse je një kampion i vërtetë!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>Sa bën %1 plus 1?</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Saktë! %1, je shumë i zoti!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>Jo tamam! Është %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>Përgjigje të sakta: %1, të gabuara: %2, gjithsej: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>Ende nuk ka rekord.</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n pikë</numerusform>
            <numerusform>%n pikë</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>%1 pikë</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>Rekordi është %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>Rekordi është %1, i %2.</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>A FILLOJMË NJË LOJË TË RE?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>FILLO NJË LOJË TË RE</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>Tabela e shumëzimit deri në cilin numër?</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1, nuk zgjodhe, prandaj shkojmë deri në 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>Koha mbaroi! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>Do një lojë me kohë apo një ushtrim pa orë?</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;Lojë</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>&amp;Ushtrim</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>Ushtrim, pa orë dhe pa rekord.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>Rekordi i shkollës nuk lexohet tani: ky është rekordi i këtij kompjuteri.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>Fshi</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Tastiera me numra</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>Taste të mëdha për ekranin me prekje</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>Përgjigja</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>Llogaria tjetër</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>Bërë nga mësueset dhe mësuesit</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>Shkolla Fillore Girasole</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>i ri</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>Për vajzat dhe djemtë e klasës së pestë</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Ekran i plotë</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Tastiera me numra</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>Koha dhe rekordi</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>Ecuria e garave</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1: %2 në minutë, %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Po</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Jo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Në rregull</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Anulo</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>Grafiku i përgjigjeve të sakta</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>Përgjigjet e sakta të %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>Zgjidh një rresht për të parë grafikun</translation>
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
        <translation>emri</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>të sakta</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>të gabuara</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>gjithsej</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>sekonda</translation>
    </message>
    <message>
        <source>record</source>
        <translation>rekord</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>llogaria</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>e verifikuar</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>deri_ne</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minuta</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>loja</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>përgjigje_të_gabuara</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>dhjetëshe</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>dhjetëshe_të_gabuara</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>qindëshe</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>qindëshe_të_gabuara</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>mijëshe</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>mijëshe_të_gabuara</translation>
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
        <translation>Emri</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Të sakta</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Të gabuara</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Gjithsej</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Kohëzgjatja</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Llogaria</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>po</translation>
    </message>
    <message>
        <source>no</source>
        <translation>jo</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>E verifikuar</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>Deri në</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>Minuta</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>Loja</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>ushtrim</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>lojë</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>Rezultatet e klasës janë të mësuesve: i lexojnë administratori dhe llogaritë e grupit corvalesta-maestri.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>Kompjuteri</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (ora gabim)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>Rezultatet e klasës</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>Po lexoj…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Emri:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>Filtro sipas emrit</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Periudha:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Periudha</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>sot</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>këtë javë</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>të gjitha</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Eksporto…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>Eksporto rreshtat që shihen</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>Lojërat që shihen</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>Lojërat e klasës</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>Tabela e rezultateve</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>Eksporto rezultatet</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Nuk mund t&apos;i ruaj rezultatet në
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>Nuk mund t&apos;i lexoj rezultatet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n lojë</numerusform>
            <numerusform>%n lojëra</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>Rekordi i kompjuterit: %1, nga %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>Rekordi i kompjuterit: %1, nga %2 (përdoruesi %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1; %n rresht i skedarit nuk lexohet</numerusform>
            <numerusform>%1; %n rreshta të skedarit nuk lexohen</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Shtyp…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>gara</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>ushtrime</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>të gjitha</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>&amp;Gara</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>&amp;Fëmijët</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>Shtyp tabelën e fëmijëve</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>Ruaj tabelën e fëmijëve në PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>&amp;Deri në:</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>Filtro sipas numrave</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>&amp;Minuta:</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>Filtro sipas kohëzgjatjes</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>L&amp;oja:</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>Filtro sipas lojës</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>Fëmijët e klasës</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>Një rresht për fëmijë: Enter hap faqen e tij</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>F&amp;aqja e fëmijës…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;Bashko</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>Bashkon rreshtat e zgjedhur në një, për këtë dritare: i njëjti fëmijë i shkruar në dy mënyra</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;Ndaj</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>Ndan sërish rreshtat e bashkuar</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>Libër pune (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1; po lexohet dosja e shkollës…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1; dosja e shkollës nuk lexohet: janë vetëm garat e këtij kompjuteri</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1; nuk lexohen: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>Përgjigjja më e madhe: çdo llogari tregon një numër nga 0 deri në një më pak.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>Sa zgjat një lojë; ora numëron mbrapsht.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>Lojë: me kohë, me rekord. Ushtrim: pa orë dhe pa rekord, llogaritë e gabuara kthehen më vonë, mbaron me Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>Si tregohet kush e ka rekordin; rekordi ruhet gjithmonë.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>&amp;Numrat</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>&amp;Kohëzgjatja</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>Lo&amp;ja</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Rekordi</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>Cilësimet e klasës</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>Cilësimet mund vetëm të lexohen: i ndryshojnë administratori dhe mësuesit e grupit corvalesta-maestri.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Ruaj</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Mbyll</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>Caktuar nga administratori në %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>Zgjedhur nga mësuesit.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>Vlera e paracaktuar.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>U ruajtën: vlejnë nga loja e ardhshme.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>Nuk u ruajtën: %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>Një emër për rresht: loja i ofron kur pyet për emrin, dhe mund të shkruhet edhe një tjetër. Bosh: emri vetëm shkruhet.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>&amp;Lista e klasës</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>lista e klasës është më e gjatë se %1 bajt</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>Mirupafshim, shihemi në sfidën tjetër!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>Në rregull! E ruajta rekordin tënd, K A M P I O N</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>Shërbimi që ruan rekordin nuk po përgjigjet tani: loja jote ruhet në këtë kompjuter dhe do të regjistrohet sapo shërbimi të kthehet.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>Loja jote është në rezultatet e klasës, por nuk mund të vlejë si rekord: shërbimi që ruan rekordin nuk e pa fillimin e saj.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>Numri për t&apos;u plotësuar</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>Shenja plus</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>Numri për t&apos;u mbledhur</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>Shenja e barazimit</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>Shkruaj rezultatin dhe shtyp Enter</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>Shkruaj këtu rezultatin dhe shtyp Enter</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>Numër i fshehur</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>Përgjigja e lojës</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>Rresht bosh</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Përgjigje të sakta</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>Titulli i përgjigjeve të sakta</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>Ky është rezultati yt. Përpara drejt rekordit!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Përgjigje të gabuara</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>Titulli i përgjigjeve të gabuara</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Të gjitha përgjigjet</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>Titulli i të gjitha përgjigjeve</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Koha e mbetur</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>Titulli i kohës</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Kliko poshtë meje për të vendosur kohëmatësin</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Lojtari</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>Titulli i emrit të lojtarit</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Emri i lojtarit</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>Rekordi është </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>Rekordi është</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>Emri i mbajtësit të rekordit</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>me pikë</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>Pikët e rekordit</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>Llogaria &amp;tjetër</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>Hajde</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>Kalo te llogaria tjetër</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>Qëndro edhe pak, ndoshta e thyen rekordin!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>Dil nga loja dhe ruaj rekordin</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>Buton pa veprim</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - Numërojmë deri në 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>Përgjigje të sakta</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>Përgjigje të gabuara</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>Të gjitha përgjigjet</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>Koha e mbetur</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>me pikë</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - Numërojmë deri në %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>Lojë llogaritjeje</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>Cili numër vjen pas? Një lojë pesë minutëshe për shkollën fillore</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>matematikë;numra;mbledhje;numërim;shkollë;fëmijë;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>Rezultatet e klasës</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>Lojë llogaritjeje për shkollën fillore</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>Çdo raund tregon një numër nga 0 deri në 9999 dhe shenjën «+ 1 =»: fëmija shkruan numrin që vjen pas dhe shtyp Enter. Loja e lavdëron me emër ose tregon përgjigjen e saktë, lëshon një tingull, numëron përgjigjet e sakta, të gabuara dhe gjithsej dhe ngjyros sfondin ndryshe në çdo raund.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>Një lojë zgjat pesë minuta. Rekordi i kompjuterit dhe emri i atij që e vendosi ruhen për lojën tjetër.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>Për mësuesin, çdo lojë e mbaruar mbetet në rezultatet e klasës: dritarja «Rezultatet e klasës» tregon datën, emrin, përgjigjet e sakta, të gabuara dhe gjithsej, filtron sipas emrit dhe periudhës, rendit sipas kolonës, vizaton ecurinë e çdo fëmije dhe eksporton rreshtat në një skedar CSV që hapet me LibreOffice Calc. Me një lexues ekrani loja thotë çdo llogari dhe çdo përgjigje; në një ekran me prekje tregon një tastierë me numra.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>matematikë</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>numra</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>mbledhje</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>numërim</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>shkollë fillore</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>rezultatet e klasës</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>Cilësimet e klasës</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>kalimi i dhjetëshes: %1 nga %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>kalimi i qindëshes: %1 nga %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>kalimi i mijëshes: %1 nga %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>disku është plot</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>nuk kam leje ta përdor</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>është vetëm për lexim</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>gabim i diskut</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>një kopje tjetër e lojës po e ruan rekordin</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>nuk është dosje</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>nuk është skedar i zakonshëm</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>dosja mungon</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>skedari mungon</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>ka shumë skedarë të hapur</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>memoria mbaroi</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>ka një emër tjetër: është lidhje e fortë</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>shërbimi që ruan rekordin nuk po punon: administratori i kompjuterit e nis me «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>shërbimi që ruan rekordin nuk u përgjigj</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>Nuk mund ta përdor dosjen e rekordit
%1

Arsyeja: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>Nuk mund ta përdor skedarin e rekordit
%1

Arsyeja: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>gabim i papritur (kodi %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(dosja e rekordit)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>dosja nuk dihet</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>emri është shumë i gjatë</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>Nuk mund ta regjistroj këtë lojë.

Arsyeja: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>thotë se është luajtur më shumë sekonda se sa kanë kaluar nga fillimi i saj</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>sot me këtë përdorues janë luajtur tashmë %1 lojëra, maksimumi për një ditë</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>të dhënat e saj nuk janë të vlefshme</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>vetëm administratori dhe mësuesit e grupit corvalesta-maestri mund t&apos;i ndryshojnë cilësimet</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>cilësimet nuk janë të vlefshme</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — faqja %1 nga %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>Shtypur më %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>Periudha: %1. Deri në: %2. Minuta: %3. Loja: %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>Emri: «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n fëmijë</numerusform>
            <numerusform>%n fëmijë</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>Asnjë garë për këtë zgjedhje.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Nuk mund ta ruaj PDF-në në
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>Ruaj në PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1, rreshti %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» nuk është në formën «çelës = vlerë»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>çelësi «%1» nuk ekziston; çelësat janë fino_a, minuti, gioco dhe record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>«%1» nuk mund të jetë «%2»; vlerat e mundshme janë %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» ishte caktuar tashmë: vlen rreshti i fundit</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>nuk është tekst UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>është më i madh se %n kB</numerusform>
            <numerusform>është më i madh se %n kB</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>nuk është skedar i zakonshëm (është lidhje, dosje ose tub)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>nuk lexohet: %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; vlejnë cilësimet e paracaktuara.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; për këtë çelës vlen vlera e paracaktuar.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>deri në %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minutë</numerusform>
            <numerusform>%n minuta</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>lojë me kohë</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>ushtrim pa orë</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>fëmija zgjedh lojë ose ushtrim</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>emri i plotë i atij që ka rekordin</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>inicialet e atij që ka rekordin</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>asnjë emër: pa renditje</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» nuk mund të jetë «%2»: duhet shtegu i plotë i një dosjeje, si /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
