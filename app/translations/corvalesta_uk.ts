<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Сторінка: %1</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (користувач %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>Підсумок дитини</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>Жодного хибного переходу.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>Хибні переходи: %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>&amp;Хибні відповіді:</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>Хибні відповіді, найновіша перша</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>Жодної хибної відповіді не записано.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>Змагань: %1. Найкраще: %2. Правильних за хвилину: %3. Точність: %4. Останнє змагання: %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>Змагання</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>Останнє</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>Найкраще</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>Правильних за хвилину</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>Точність</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>Динаміка</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>Хибні переходи</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>У списку</translation>
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
        <translation>Залишилося %1 і %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n хвилина</numerusform>
            <numerusform>%n хвилини</numerusform>
            <numerusform>%n хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунди</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>Залишилася %n хвилина.</numerusform>
            <numerusform>Залишилося %n хвилини.</numerusform>
            <numerusform>Залишилося %n хвилин.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>Залишилася %n секунда.</numerusform>
            <numerusform>Залишилося %n секунди.</numerusform>
            <numerusform>Залишилося %n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>Час вийшов.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>показує цифрову клавіатуру біля прикладу навіть без сенсорного екрана</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>відкриває результати класу замість гри</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>код</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>говорить цією мовою замість мови комп&apos;ютера</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>показує цю довідку і виходить</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>показує версію і виходить</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>Використання: corvalesta [параметри]
Гра на п&apos;ять хвилин: скільки буде число плюс 1?

Параметри:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>Мови: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>Список параметрів: corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>Параметру бракує значення.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Невідомий параметр: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>Неочікуваний аргумент: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>Невідома мова: %1. Є такі мови: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>Неправильне значення для --ms-al-secondo: %1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>відкриває налаштування класу замість гри</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>з --risultati: зберігає таблицю дітей у цей PDF, без вікна</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>число</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>з --stampa: лише змагання до цього числа</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>хвилини</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>з --stampa: лише змагання такої тривалості</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>гра</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>з --stampa: лише змагання (gara) або лише тренування (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>період</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>з --stampa: oggi (сьогодні), settimana (тиждень) або tutto (усе, якщо не вказано)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>з --stampa: лише імена, що містять цей текст</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 використовується з %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>Неприпустиме значення для %1: %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>Помилка: забагато відповідей, щоб їх порахувати (переповнення).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Як тебе звати?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1, подивимося, чи ти справжній чемпіон!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>Скільки буде %1 плюс 1?</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Правильно! %1, ти молодець!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>Не зовсім! Це %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>Правильних відповідей: %1, неправильних: %2, усього: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>Рекорду ще немає.</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n бал</numerusform>
            <numerusform>%n бали</numerusform>
            <numerusform>%n балів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>балів: %1</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>Рекорд: %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>Рекорд: %1 (%2).</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ПОЧНЕМО НОВУ ГРУ?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>ПОЧАТИ НОВУ ГРУ</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>Таблиця множення до якого числа?</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1, ти не вибрав, тож рахуємо до 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>Час вийшов! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>Хочеш гру на час чи вправу без годинника?</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>&amp;Вправа</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>Вправа, без годинника і без рекорду.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>Рекорд школи зараз не читається: це рекорд цього комп’ютера.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>Стерти</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Цифрова клавіатура</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>Великі клавіші для сенсорного екрана</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>Наступний приклад</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>Зробили вчительки й учителі</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>Початкова школа «Джіразоле»</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>новий</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>Для дівчаток і хлопчиків п&apos;ятого класу</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>На весь екран</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Цифрова клавіатура</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>Час і рекорд</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>Динаміка змагань</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1: %2 за хвилину, %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>Графік правильних відповідей</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>Правильні відповіді: %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>Вибери рядок, щоб побачити графік</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>data</source>
        <translation>дата</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>ім&apos;я</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>правильні</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>неправильні</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>усього</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>секунди</translation>
    </message>
    <message>
        <source>record</source>
        <translation>рекорд</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>обліковий запис</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>перевірено</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>до</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>хвилини</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>гра</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>хибні_відповіді</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>десятки</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>десятки_хибні</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>сотні</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>сотні_хибні</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>тисячі</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>тисячі_хибні</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Ім&apos;я</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Правильні</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Неправильні</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Усього</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Обліковий запис</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>так</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>Перевірено</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>До</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>Хвилини</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>Гра</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>вправа</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>гра</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>Результати класу належать учителям: їх читають адміністратор і облікові записи групи corvalesta-maestri.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>Комп’ютер</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (неправильний годинник)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>Результати класу</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>Читаю…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Ім&apos;я:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>Фільтр за ім&apos;ям</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Період:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Період</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>сьогодні</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>цього тижня</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>усе</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Експортувати…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>Експортувати показані рядки</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>Показані ігри</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>Ігри класу</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>Таблиця результатів</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>Експортувати результати</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Не можу зберегти результати в
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>Не можу прочитати результати: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n гра</numerusform>
            <numerusform>%n гри</numerusform>
            <numerusform>%n ігор</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>Рекорд комп&apos;ютера: %1, від %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>Рекорд комп&apos;ютера: %1, від %2 (обліковий запис %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1; %n рядок файлу не читається</numerusform>
            <numerusform>%1; %n рядки файлу не читаються</numerusform>
            <numerusform>%1; %n рядків файлу не читаються</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Друк…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>змагання</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>тренування</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>усі</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>&amp;Змагання</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>&amp;Діти</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>Друкувати таблицю дітей</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>Зберегти таблицю дітей у PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>&amp;До:</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>Фільтр за числами</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>&amp;Хвилини:</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>Фільтр за тривалістю</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>Г&amp;ра:</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>Фільтр за грою</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>Діти класу</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>Рядок на дитину: Enter відкриває її сторінку</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>С&amp;торінка дитини…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;Об&apos;єднати</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>Об&apos;єднує вибрані рядки в один, для цього вікна: та сама дитина, записана двома способами</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;Розділити</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>Знову розділяє об&apos;єднані рядки</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>Робоча книга (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1; читання теки школи…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1; теку школи не прочитано: тут лише змагання цього комп’ютера</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1; не читаються: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>Найбільша відповідь: кожен приклад показує число від 0 до на одиницю меншого.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>Скільки триває гра; годинник рахує назад.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>Гра: на час, з рекордом. Вправа: без годинника і без рекорду, помилкові приклади повертаються пізніше, закінчується кнопкою Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>Як показувати, чий рекорд; рекорд зберігається завжди.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>&amp;Числа</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>&amp;Тривалість</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>Г&amp;ра</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Р&amp;екорд</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>Налаштування класу</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>Налаштування можна лише читати: їх змінюють адміністратор і вчителі з групи corvalesta-maestri.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>З&amp;акрити</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>Встановлено адміністратором у %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>Вибрано вчителями.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>Типове значення.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>Збережено: діють з наступної гри.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>Не збережено: %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>Одне ім&apos;я в рядку: гра пропонує їх, коли питає ім&apos;я, і можна ввести інше. Порожньо: ім&apos;я лише вводиться.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>&amp;Список класу</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>список класу довший за %1 байтів</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>Бувай, до наступного змагання!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>Гаразд! Я зберіг твій рекорд, Ч Е М П І О Н Е</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>Служба, що зберігає рекорд, зараз не відповідає: твою гру збережено на цьому комп&apos;ютері, і її буде записано, щойно служба запрацює знову.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>Твоя гра є серед результатів класу, але не може зарахуватися як рекорд: служба, що зберігає рекорд, не бачила її початку.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>Число, яке треба доповнити</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>Знак плюс</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>Число, яке додаємо</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>Знак дорівнює</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>Напиши відповідь і натисни Enter</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>Напиши тут відповідь і натисни Enter</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>Приховане число</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>Відповідь гри</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>Порожній рядок</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Правильні відповіді</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>Заголовок правильних відповідей</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>Це твій рахунок. Вперед до рекорду!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Неправильні відповіді</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>Заголовок неправильних відповідей</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Усі відповіді</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>Заголовок усіх відповідей</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Залишилося</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>Заголовок часу</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Натисни під мною, щоб налаштувати таймер</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Годинник</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>Заголовок імені гравця</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Ім&apos;я гравця</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>Рекорд: </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>Рекорд:</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>Ім&apos;я рекордсмена</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>з балами</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>Бали рекорду</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Наступний приклад</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>Перейти до наступного прикладу</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>Залишся ще трохи, може, поб&apos;єш рекорд!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>Вийти з гри і зберегти рекорд</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>Кнопка без дії</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - Рахуємо до 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>Правильні відповіді</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>Неправильні відповіді</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>Усі відповіді</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>Залишилося</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>з балами</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - Рахуємо до %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>Гра з рахунку</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>Яке число йде далі? Гра на п&apos;ять хвилин для початкової школи</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>математика;числа;додавання;лічба;школа;діти;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>Результати класу</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>Гра з рахунку для початкової школи</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>Кожен раунд показує число від 0 до 9999 і знак «+ 1 =»: дитина пише число, яке йде далі, і натискає Enter. Гра хвалить її на ім&apos;я або показує правильну відповідь, грає звук, рахує правильні, неправильні й усі відповіді та щоразу по-новому розфарбовує тло.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>Гра триває п&apos;ять хвилин. Рекорд комп&apos;ютера та ім&apos;я того, хто його встановив, зберігаються для наступної гри.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>Для вчителя кожна завершена гра лишається в результатах класу: вікно «Результати класу» показує дату, ім&apos;я, правильні, неправильні й усі відповіді, фільтрує за ім&apos;ям і періодом, сортує за стовпцями, малює поступ кожної дитини й експортує рядки у файл CSV, який відкривається в LibreOffice Calc. З екранним читачем гра вимовляє кожен приклад і кожну відповідь; на сенсорному екрані показує цифрову клавіатуру.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>математика</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>числа</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>додавання</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>лічба</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>початкова школа</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>результати класу</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>Налаштування класу</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>перехід через десяток: %1 з %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>перехід через сотню: %1 з %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>перехід через тисячу: %1 з %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>диск заповнений</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>мені не дозволено ним користуватися</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>він лише для читання</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>помилка диска</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>інша копія гри саме зберігає рекорд</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>це не тека</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>теки немає</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>файлу немає</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>відкрито забагато файлів</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>закінчилася пам&apos;ять</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>він має іншу назву: це жорстке посилання</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>служба, що зберігає рекорд, не працює: адміністратор комп&apos;ютера запускає її командою «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>служба, що зберігає рекорд, не відповіла</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>Не можу скористатися текою рекорду
%1

Причина: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>Не можу скористатися файлом рекорду
%1

Причина: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>неочікувана помилка (код %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(тека рекорду)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>тека невідома</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>ім&apos;я задовге</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>Не можу записати цю гру.

Причина: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>у ній зазначено більше секунд гри, ніж минуло від її початку</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>сьогодні з цього облікового запису вже зіграно %1 ігор, найбільше за один день</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>її дані недійсні</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>лише адміністратор і вчителі з групи corvalesta-maestri можуть змінювати налаштування</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>налаштування недійсні</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — сторінка %1 з %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>Надруковано %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>Період: %1. До: %2. Хвилини: %3. Гра: %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>Ім&apos;я: «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n дитина</numerusform>
            <numerusform>%n дитини</numerusform>
            <numerusform>%n дітей</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>Жодного змагання для цього вибору.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Не можу зберегти PDF у
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>Зберегти в PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1, рядок %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» не має вигляду «ключ = значення»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>ключа «%1» не існує; ключі: fino_a, minuti, gioco і record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>«%1» не може бути «%2»; можливі значення: %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» вже встановлено: діє останній рядок</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>це не текст UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>він більший за %n кБ</numerusform>
            <numerusform>він більший за %n кБ</numerusform>
            <numerusform>він більший за %n кБ</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>це не звичайний файл (це посилання, тека або канал)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>його не вдається прочитати: %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; діють типові налаштування.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; для цього ключа діє типове значення.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>до %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n хвилина</numerusform>
            <numerusform>%n хвилини</numerusform>
            <numerusform>%n хвилин</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>гра на час</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>вправа без годинника</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>дитина вибирає гру чи вправу</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>повне ім&apos;я власника рекорду</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>ініціали власника рекорду</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>без імені: без рейтингу</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» не може бути «%2»: потрібен повний шлях до теки, як-от /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
