<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Page de %1</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (compte %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>Résumé de l&apos;enfant</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>Aucun passage manqué.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>Passages manqués : %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>&amp;Réponses fausses :</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>Les réponses fausses, la plus récente d&apos;abord</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>Aucune réponse fausse enregistrée.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>Parties : %1. Meilleure : %2. Justes par minute : %3. Précision : %4. Dernière partie : %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>Meilleure</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>Justes par minute</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>Passages manqués</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>Sur la liste</translation>
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
        <translation>Il reste %1 et %2.</translation>
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
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>Il reste %n minute.</numerusform>
            <numerusform>Il reste %n minutes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>Il reste %n seconde.</numerusform>
            <numerusform>Il reste %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>C&apos;est fini&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>affiche le pavé numérique à côté du calcul, même sans écran tactile</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>ouvre les résultats de la classe au lieu d&apos;une partie</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>code</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>parle cette langue au lieu de celle de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>Utilisation&#xa0;: corvalesta [options]
Une partie de cinq minutes&#xa0;: combien font un nombre plus 1&#xa0;?

Options&#xa0;:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>Langues&#xa0;: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>Pour la liste des options&#xa0;: corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>Il manque la valeur d&apos;une option.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>Langue inconnue&#xa0;: %1. Les langues sont&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>Valeur non valable pour --ms-al-secondo&#xa0;: %1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>ouvre les réglages de la classe au lieu d&apos;une partie</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>avec --risultati : enregistre le tableau des enfants dans ce PDF, sans fenêtre</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>avec --stampa : seulement les parties jusqu&apos;à ce nombre</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>avec --stampa : seulement les parties de cette durée</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>avec --stampa : seulement partie (gara) ou seulement entraînement (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>période</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>avec --stampa : oggi (aujourd&apos;hui), settimana (semaine) ou tutto (tout, s&apos;il manque)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>avec --stampa : seulement les noms qui contiennent ce texte</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 s&apos;utilise avec %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>Valeur non valable pour %1 : %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>Erreur&#xa0;: trop de réponses à compter (dépassement).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Comment tu t&apos;appelles&#xa0;?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1, voyons si tu es un vrai champion&#xa0;!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>Combien font %1 plus 1&#xa0;?</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Bravo&#xa0;! %1, tu es super&#xa0;!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>Pas tout à fait&#xa0;! C&apos;est %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>Bonnes réponses&#xa0;: %1, erreurs&#xa0;: %2, en tout&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>Il n&apos;y a pas encore de record.</translation>
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
        <translation>Le record est de %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>Le record est de %1, par %2.</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ON COMMENCE UNE NOUVELLE PARTIE&#xa0;?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>La table de multiplication jusqu&apos;à quel nombre&#xa0;?</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1, tu n&apos;as pas choisi, alors on va jusqu&apos;à 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>C&apos;est fini&#xa0;! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>Veux-tu faire une partie chronométrée ou un entraînement sans chrono ?</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>Entraînement, sans chrono et sans record.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>Le record de l&apos;école ne se lit pas pour l&apos;instant : voici le record de cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Pavé numérique</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>Grandes touches pour l&apos;écran tactile</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>Calcul suivant</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>Réalisé par les enseignants</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>École primaire Girasole</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>Pour les filles et les garçons de CM2</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Pavé numérique</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>Temps et record</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>Tendance des parties</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1 : %2 par minute, %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>Graphique des bonnes réponses</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>Bonnes réponses de %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>Choisis une ligne pour voir le graphique</translation>
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
        <translation>nom</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>bonnes</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>erreurs</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>total</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>compte</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>jusqu_a</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>réponses_fausses</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>dizaines</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>dizaines_fausses</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>centaines</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>centaines_fausses</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>milliers</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>milliers_faux</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Bonnes</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>Vérifiée</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>Jusqu&apos;à</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>partie</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>Les résultats de la classe sont aux enseignants : l&apos;administrateur et les comptes du groupe corvalesta-maestri les lisent.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (horloge fausse)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>Filtrer par nom</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>cette semaine</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>tout</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>Exporter les lignes affichées</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>Parties affichées</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>Les parties de la classe</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>Tableau des résultats</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>Exporter les résultats</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Je n&apos;arrive pas à enregistrer les résultats dans
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>Je n&apos;arrive pas à lire les résultats&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>Record de l&apos;ordinateur&#xa0;: %1, par %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>Record de l&apos;ordinateur&#xa0;: %1, par %2 (compte %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1&#xa0;; %n ligne du fichier est illisible</numerusform>
            <numerusform>%1&#xa0;; %n lignes du fichier sont illisibles</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>parties</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>entraînements</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>&amp;Parties</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>&amp;Enfants</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>Imprimer le tableau des enfants</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>Enregistrer le tableau des enfants en PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>&amp;Jusqu&apos;à :</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>Filtrer par nombres</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>&amp;Minutes :</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>Filtrer par durée</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>&amp;Jeu :</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>Filtrer par jeu</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>Enfants de la classe</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>Une ligne par enfant : Entrée ouvre sa page</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>P&amp;age de l&apos;enfant…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>Fusionne les lignes choisies en une seule, pour cette fenêtre : le même enfant écrit de deux façons</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;Séparer</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>Sépare à nouveau les lignes fusionnées</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>Classeur (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1 ; lecture du dossier de l&apos;école…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1 ; le dossier de l&apos;école ne se lit pas : seules les parties de cet ordinateur sont là</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1 ; illisibles : %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>La plus grande réponse : chaque calcul montre un nombre de 0 à un de moins.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>La durée d&apos;une partie ; le chrono compte à rebours.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>Partie : chronométrée, avec le record. Entraînement : sans chrono ni record, les calculs faux reviennent plus tard, on finit avec Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>Comment on montre qui a le record ; le record est toujours gardé.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>&amp;Nombres</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>&amp;Durée</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>Réglages de la classe</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>Les réglages ne peuvent qu&apos;être lus : l&apos;administrateur et les enseignants du groupe corvalesta-maestri les changent.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>Fixé par l&apos;administrateur dans %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>Choisi par les enseignants.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>Valeur par défaut.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>Enregistrés : ils valent dès la prochaine partie.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>Non enregistrés : %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>Un nom par ligne : le jeu les propose quand il demande le nom, et on peut encore en écrire un autre. Vide : le nom s&apos;écrit seulement.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>&amp;Liste de la classe</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>la liste de la classe dépasse %1 octets</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>Au revoir, à la prochaine partie&#xa0;!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>D&apos;accord&#xa0;! J&apos;ai enregistré ton record, C H A M P I O N</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>Le service qui enregistre le record ne répond pas pour l&apos;instant&#xa0;: ta partie est gardée sur cet ordinateur et sera enregistrée dès que le service sera de retour.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>Ta partie est dans les résultats de la classe, mais elle ne peut pas compter comme record&#xa0;: le service qui enregistre le record ne l&apos;a pas vue commencer.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>Nombre à compléter</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>Signe plus</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>Nombre à ajouter</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>Signe égal</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>Écris le résultat et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>Écris ici le résultat et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>Nombre caché</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>La réponse du jeu</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>Ligne vide</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>Titre des bonnes réponses</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>Voici ton score. En avant vers le record&#xa0;!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>Titre des erreurs</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Toutes les réponses</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>Titre de toutes les réponses</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>Titre du temps</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Clique sous moi pour régler le minuteur</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>Titre du nom du joueur</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>Le record est de </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>Le record est de</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>Nom du détenteur du record</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>avec points</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>Points du record</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>Calcul &amp;suivant</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>Passer au calcul suivant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>Reste encore un peu, tu vas peut-être battre le record&#xa0;!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>Quitter le jeu et enregistrer le record</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>Bouton sans action</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - Compter jusqu&apos;à 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>Toutes les réponses</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>avec points</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - Compter jusqu&apos;à %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>Jeu de calcul</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>Quel nombre vient après ? Une partie de cinq minutes pour l&apos;école primaire</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>mathématiques;nombres;addition;compter;école;enfants;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>Jeu de calcul pour l&apos;école primaire</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>Chaque tour montre un nombre de 0 à 9999 et le signe «+ 1 =» : l&apos;enfant écrit le nombre qui vient après et appuie sur Entrée. Le jeu le félicite par son prénom ou montre la bonne réponse, joue un son, compte les bonnes réponses, les erreurs et le total, et change la couleur du fond à chaque tour.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>Une partie dure cinq minutes. Le record de l&apos;ordinateur et le nom de celui qui l&apos;a établi sont gardés pour la partie suivante.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>Pour l&apos;enseignant, chaque partie terminée reste dans les résultats de la classe : la fenêtre «Résultats de la classe» montre la date, le nom, les bonnes réponses, les erreurs et le total, filtre par nom et par période, trie par colonne, trace les progrès de chaque enfant et exporte les lignes dans un fichier CSV qui s&apos;ouvre avec LibreOffice Calc. Avec un lecteur d&apos;écran, le jeu dit chaque calcul et chaque réponse ; sur un écran tactile, il montre un pavé numérique.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>mathématiques</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>nombres</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>addition</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>compter</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>école primaire</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>résultats de la classe</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>Réglages de la classe</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>passage de la dizaine : %1 sur %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>passage de la centaine : %1 sur %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>passage du millier : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>je n&apos;ai pas le droit de l&apos;utiliser</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>erreur du disque</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>une autre copie du jeu est en train d&apos;enregistrer le record</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>ce n&apos;est pas un fichier normal</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>trop de fichiers sont ouverts</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>la mémoire est pleine</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>il a un autre nom&#xa0;: c&apos;est un lien physique</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>le service qui enregistre le record ne fonctionne pas&#xa0;: l&apos;administrateur de l&apos;ordinateur le démarre avec «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>le service qui enregistre le record n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>Je n&apos;arrive pas à utiliser le dossier du record
%1

Raison&#xa0;: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>Je n&apos;arrive pas à utiliser le fichier du record
%1

Raison&#xa0;: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>erreur inattendue (code %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(dossier du record)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>le dossier n&apos;est pas connu</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>Je ne peux pas enregistrer cette partie.

Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>elle indique plus de secondes de jeu qu&apos;il ne s&apos;en est écoulé depuis son début</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>%1 parties ont déjà été jouées sur ce compte aujourd&apos;hui, le maximum pour une journée</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>ses données ne sont pas valables</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>seuls l&apos;administrateur et les enseignants du groupe corvalesta-maestri peuvent changer les réglages</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>les réglages ne sont pas valables</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — page %1 sur %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>Période : %1. Jusqu&apos;à : %2. Minutes : %3. Jeu : %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>Nom : « %1 ».</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n enfant</numerusform>
            <numerusform>%n enfants</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>Aucune partie pour ce choix.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Je ne peux pas enregistrer le PDF dans
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» n&apos;a pas la forme «clé = valeur»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>la clé «%1» n&apos;existe pas ; les clés sont fino_a, minuti, gioco et record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>«%1» ne peut pas valoir «%2» ; les valeurs possibles sont %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» a déjà été réglée : la dernière ligne compte</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>ce n&apos;est pas un texte UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>il fait plus de %n ko</numerusform>
            <numerusform>il fait plus de %n ko</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (c&apos;est un lien, un dossier ou un tube)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>il ne se lit pas : %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1 : %2 ; les réglages par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1 : %2 ; pour cette clé, la valeur par défaut s&apos;applique.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>jusqu&apos;à %1</translation>
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
        <translation>partie chronométrée</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>entraînement sans chrono</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>l&apos;enfant choisit partie ou entraînement</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>le nom entier de qui a le record</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>les initiales de qui a le record</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>aucun nom : pas de classement</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» ne peut pas valoir «%2» : il faut le chemin complet d&apos;un dossier, comme /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
