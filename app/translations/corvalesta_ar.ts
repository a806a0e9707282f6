<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>صفحة %1</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (المستخدم %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>ملخص الطفل</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>لا أخطاء في الانتقال.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>الانتقالات الخاطئة: %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>الإجابات ال&amp;خاطئة:</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>الإجابات الخاطئة، الأحدث أولًا</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>لا توجد إجابات خاطئة مسجلة.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>المسابقات: %1. الأفضل: %2. الصحيحة في الدقيقة: %3. الدقة: %4. آخر مسابقة: %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>المسابقات</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>الأخيرة</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>الأفضل</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>الصحيحة في الدقيقة</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>الانتقالات الخاطئة</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>في القائمة</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A share of right answers: %1 is a whole number from 0 to 100.</extracomment>
        <translation>%1٪</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Mancano %1 e %2.</source>
        <extracomment>%1 is &quot;%n minuti&quot;, %2 is &quot;%n secondi&quot;, both translated below.</extracomment>
        <translation>بقي %1 و%2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>%n دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>%n ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>بقي %n دقيقة.</numerusform>
            <numerusform>بقيت دقيقة واحدة.</numerusform>
            <numerusform>بقيت %n دقيقتان.</numerusform>
            <numerusform>بقيت %n دقائق.</numerusform>
            <numerusform>بقيت %n دقيقة.</numerusform>
            <numerusform>بقيت %n دقيقة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>بقي %n ثانية.</numerusform>
            <numerusform>بقيت ثانية واحدة.</numerusform>
            <numerusform>بقيت %n ثانيتان.</numerusform>
            <numerusform>بقيت %n ثوانٍ.</numerusform>
            <numerusform>بقيت %n ثانية.</numerusform>
            <numerusform>بقيت %n ثانية.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>انتهى الوقت.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>يعرض لوحة الأرقام بجانب العملية حتى بدون شاشة لمس</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>يفتح نتائج الصف بدلًا من مسابقة</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>يتكلم هذه اللغة بدلًا من لغة الحاسوب</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>يعرض هذه المساعدة ويخرج</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>يعرض الإصدار ويخرج</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>الاستخدام: corvalesta [خيارات]
مسابقة مدتها خمس دقائق: كم يساوي العدد زائد 1؟

الخيارات:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>اللغات: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>لقائمة الخيارات: corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>أحد الخيارات بلا قيمة.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>خيار غير معروف: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>معامل غير متوقع: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>لغة غير معروفة: %1. اللغات المتاحة: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>قيمة غير صالحة لـ --ms-al-secondo: %1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>يفتح إعدادات الصف بدلًا من مسابقة</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>مع --risultati: يحفظ جدول الأطفال في ملف PDF هذا، دون نافذة</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>مع --stampa: المسابقات حتى هذا الرقم فقط</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>مع --stampa: المسابقات بهذه المدة فقط</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>لعب</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>مع --stampa: مسابقة فقط (gara) أو تدريب فقط (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>فترة</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>مع --stampa: ‏oggi (اليوم) أو settimana (الأسبوع) أو tutto (الكل، إن غاب)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>مع --stampa: الأسماء التي تحتوي هذا النص فقط</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>يُستخدم %1 مع %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>قيمة غير صالحة لـ %1: %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>خطأ: الإجابات أكثر من أن تُعد (تجاوز).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>ما اسمك؟</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1، لنرَ إن كنت بطلًا حقيقيًا!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>كم يساوي %1 زائد 1؟</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>صحيح! %1، أنت رائع!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>ليس تمامًا! الجواب %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>الإجابات الصحيحة: %1، الخاطئة: %2، المجموع: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>لا يوجد رقم قياسي بعد.</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n نقطة</numerusform>
            <numerusform>نقطة واحدة</numerusform>
            <numerusform>%n نقطتان</numerusform>
            <numerusform>%n نقاط</numerusform>
            <numerusform>%n نقطة</numerusform>
            <numerusform>%n نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>%1 نقطة</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>الرقم القياسي %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>الرقم القياسي %1، سجّله %2.</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>هل نبدأ مسابقة جديدة؟</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>ابدأ مسابقة جديدة</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>جدول الضرب حتى أي عدد؟</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1، لم تختر، لذلك سنصل إلى 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>انتهى الوقت! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>هل تريد مسابقة بوقت أم تمرينًا بلا ساعة؟</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;مسابقة</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>&amp;تمرين</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>تمرين، بلا ساعة وبلا رقم قياسي.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>لا يمكن قراءة رقم المدرسة القياسي الآن: هذا هو الرقم القياسي لهذا الحاسوب.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>امسح</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>إدخال</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>لوحة الأرقام</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>مفاتيح كبيرة لشاشة اللمس</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>الجواب</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>العملية التالية</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>من إعداد المعلمات والمعلمين</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>مدرسة جيراسولي الابتدائية</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>للبنات والأولاد في الصف الخامس</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>لوحة الأرقام</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>الوقت والرقم القياسي</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>اتجاه المسابقات</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1: %2 في الدقيقة، %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>رسم بياني للإجابات الصحيحة</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>الإجابات الصحيحة لـ %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>اختر صفًا لترى الرسم البياني</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>data</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>صحيحة</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>خاطئة</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>record</source>
        <translation>رقم قياسي</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>متحقَّق منها</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>حتى</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>اللعب</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>الإجابات_الخاطئة</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>العشرات</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>العشرات_الخاطئة</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>المئات</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>المئات_الخاطئة</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>الآلاف</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>الآلاف_الخاطئة</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Data</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>صحيحة</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>خاطئة</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>رقم قياسي</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>متحقَّق منها</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>حتى</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>اللعب</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>تمرين</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>مسابقة</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>نتائج الصف للمعلمين: يقرؤها المدير والحسابات في المجموعة corvalesta-maestri.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (الساعة خاطئة)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>نتائج الصف</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>جارٍ القراءة…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>الا&amp;سم:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>تصفية حسب الاسم</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>ال&amp;فترة:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>الفترة</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;تصدير…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>تصدير الصفوف المعروضة</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>المسابقات المعروضة</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>مسابقات الصف</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>جدول النتائج</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>تصدير النتائج</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>لا أستطيع حفظ النتائج في
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>لا أستطيع قراءة النتائج: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n مسابقة</numerusform>
            <numerusform>مسابقة واحدة</numerusform>
            <numerusform>%n مسابقتان</numerusform>
            <numerusform>%n مسابقات</numerusform>
            <numerusform>%n مسابقة</numerusform>
            <numerusform>%n مسابقة</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>رقم الحاسوب القياسي: %1، لـ %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>رقم الحاسوب القياسي: %1، لـ %2 (الحساب %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1؛ %n سطر في الملف لا يُقرأ</numerusform>
            <numerusform>%1؛ سطر واحد في الملف لا يُقرأ</numerusform>
            <numerusform>%1؛ سطران في الملف لا يُقرآن</numerusform>
            <numerusform>%1؛ %n أسطر في الملف لا تُقرأ</numerusform>
            <numerusform>%1؛ %n سطرًا في الملف لا يُقرأ</numerusform>
            <numerusform>%1؛ %n سطر في الملف لا يُقرأ</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>المسابقات</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>التدريبات</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>ال&amp;مسابقات</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>الأ&amp;طفال</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>طباعة جدول الأطفال</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>حفظ جدول الأطفال بصيغة PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>&amp;حتى:</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>تصفية حسب الأرقام</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>ال&amp;دقائق:</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>تصفية حسب المدة</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>ال&amp;لعب:</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>تصفية حسب اللعب</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>أطفال الصف</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>سطر لكل طفل: يفتح مفتاح الإدخال صفحته</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>&amp;صفحة الطفل…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;دمج</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>يدمج الأسطر المختارة في سطر واحد، لهذه النافذة: الطفل نفسه مكتوب بطريقتين</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;فصل</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>يفصل الأسطر المدمجة مجددًا</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>مصنف (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1؛ جارٍ قراءة مجلد المدرسة…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1؛ لا يمكن قراءة مجلد المدرسة: هنا مسابقات هذا الحاسوب فقط</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1؛ لا يمكن قراءة: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>أكبر جواب: كل عملية تعرض عددًا من 0 إلى أقل منه بواحد.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>كم تدوم المسابقة؛ الساعة تعد تنازليًا.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>المسابقة: بوقت ومع رقم قياسي. التمرين: بلا ساعة وبلا رقم قياسي، والعمليات الخاطئة تعود لاحقًا، وينتهي بزر Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>كيف يُعرض صاحب الرقم القياسي؛ الرقم القياسي يُحفظ دائمًا.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>الأ&amp;عداد</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>الم&amp;دة</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>ال&amp;لعب</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>ال&amp;رقم القياسي</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>إعدادات الصف</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>الإعدادات للقراءة فقط: يغيرها المدير والمعلمون في المجموعة corvalesta-maestri.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>ثبّتها المدير في %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>اختارها المعلمون.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>القيمة الافتراضية.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>حُفظت: تسري من المسابقة التالية.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>لم تُحفظ: %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>اسم في كل سطر: تعرضها اللعبة عندما تسأل عن الاسم، ويمكن كتابة اسم آخر. فارغ: يُكتب الاسم فقط.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>&amp;قائمة الصف</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>قائمة الصف أطول من %1 بايت</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>إلى اللقاء في التحدي القادم!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>حسنًا! حفظت رقمك القياسي يا ب ط ل</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>الخدمة التي تحفظ الرقم القياسي لا تجيب الآن: مسابقتك محفوظة على هذا الحاسوب وستُسجَّل حين تعود الخدمة.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>مسابقتك ضمن نتائج الصف، لكنها لا تُحتسب رقمًا قياسيًا: الخدمة التي تحفظ الرقم القياسي لم ترَ بدايتها.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>العدد المطلوب إكماله</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>علامة الجمع</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>العدد المضاف</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>علامة يساوي</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>اكتب الجواب واضغط إدخال</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>اكتب الجواب هنا واضغط إدخال</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>عدد مخفي</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>جواب اللعبة</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>سطر فارغ</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>الإجابات الصحيحة</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>عنوان الإجابات الصحيحة</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>هذه نتيجتك. هيا نحو الرقم القياسي!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>الإجابات الخاطئة</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>عنوان الإجابات الخاطئة</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>كل الإجابات</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>عنوان كل الإجابات</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>الوقت المتبقي</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>عنوان الوقت</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>انقر تحتي لضبط المؤقت</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>الساعة</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>عنوان اسم اللاعب</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>اسم اللاعب</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>الرقم القياسي </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>الرقم القياسي</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>اسم صاحب الرقم القياسي</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>بالنقاط</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>نقاط الرقم القياسي</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>العملية ال&amp;تالية</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>هيا</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>انتقل إلى العملية التالية</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>ابقَ قليلًا بعد، ربما تحطم الرقم القياسي!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>اخرج من اللعبة واحفظ الرقم القياسي</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>زر بلا عمل</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - العد حتى 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>الإجابات الصحيحة</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>الإجابات الخاطئة</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>كل الإجابات</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>الوقت المتبقي</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>بالنقاط</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - العد حتى %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>لعبة الحساب</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>ما العدد التالي؟ مسابقة مدتها خمس دقائق للمدرسة الابتدائية</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>رياضيات;أعداد;جمع;عد;مدرسة;أطفال;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>نتائج الصف</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>لعبة حساب للمدرسة الابتدائية</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>تعرض كل جولة عددًا من 0 إلى 9999 والعلامة «+ 1 =»: يكتب الطفل العدد التالي ويضغط إدخال. تمدح اللعبة الطفل باسمه أو تعرض الجواب الصحيح، وتصدر صوتًا، وتعد الإجابات الصحيحة والخاطئة والمجموع، وتلوّن الخلفية من جديد في كل جولة.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>تستمر المسابقة خمس دقائق. يبقى الرقم القياسي للحاسوب واسم من سجّله محفوظين للمسابقة التالية.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>للمعلم، تبقى كل مسابقة منتهية في نتائج الصف: تعرض نافذة «نتائج الصف» التاريخ والاسم والإجابات الصحيحة والخاطئة والمجموع، وتصفّي حسب الاسم والفترة، وترتّب حسب العمود، وترسم تقدّم كل طفل، وتصدّر الصفوف إلى ملف CSV يُفتح ببرنامج LibreOffice Calc. مع قارئ الشاشة تقول اللعبة كل عملية وكل جواب، وعلى شاشة اللمس تعرض لوحة أرقام.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>رياضيات</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>أعداد</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>جمع</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>عد</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>المدرسة الابتدائية</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>نتائج الصف</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>إعدادات الصف</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>الانتقال إلى عشرة جديدة: %1 من %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>الانتقال إلى مئة جديدة: %1 من %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>الانتقال إلى ألف جديد: %1 من %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>ليس لدي إذن باستخدامه</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>للقراءة فقط</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>خطأ في القرص</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>نسخة أخرى من اللعبة تحفظ الرقم القياسي الآن</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>المجلد غير موجود</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>الملفات المفتوحة كثيرة جدًا</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>له اسم آخر: إنه رابط صلب</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>الخدمة التي تحفظ الرقم القياسي لا تعمل: يشغّلها مدير الحاسوب بالأمر «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>الخدمة التي تحفظ الرقم القياسي لم تُجب</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>لا أستطيع استخدام مجلد الرقم القياسي
%1

السبب: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>لا أستطيع استخدام ملف الرقم القياسي
%1

السبب: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>خطأ غير متوقع (الرمز %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(مجلد الرقم القياسي)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>المجلد غير معروف</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>الاسم طويل جدًا</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>لا أستطيع تسجيل هذه المسابقة.

السبب: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>تذكر ثواني لعب أكثر مما مضى منذ بدايتها</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>لُعبت اليوم %1 مسابقة بهذا الحساب، وهذا أقصى عدد في اليوم</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>بياناتها غير صالحة</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>لا يغير الإعدادات إلا المدير والمعلمون في المجموعة corvalesta-maestri</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>الإعدادات غير صالحة</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>طُبع في %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>الفترة: %1. حتى: %2. الدقائق: %3. اللعب: %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>الاسم: «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>لا أطفال</numerusform>
            <numerusform>طفل واحد</numerusform>
            <numerusform>طفلان</numerusform>
            <numerusform>%n أطفال</numerusform>
            <numerusform>%n طفلًا</numerusform>
            <numerusform>%n طفل</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>لا توجد مسابقات لهذا الاختيار.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>لا أستطيع حفظ ملف PDF في
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1، السطر %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» ليس على صيغة «مفتاح = قيمة»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>المفتاح «%1» غير موجود؛ المفاتيح هي fino_a وminuti وgioco وrecord</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>لا يمكن أن تكون قيمة «%1» «%2»؛ القيم الممكنة هي %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» ضُبط من قبل: يسري السطر الأخير</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>ليس نصًا بترميز UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>أكبر من %n كيلوبايت</numerusform>
            <numerusform>أكبر من %n كيلوبايت</numerusform>
            <numerusform>أكبر من %n كيلوبايت</numerusform>
            <numerusform>أكبر من %n كيلوبايت</numerusform>
            <numerusform>أكبر من %n كيلوبايت</numerusform>
            <numerusform>أكبر من %n كيلوبايت</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>ليس ملفًا عاديًا (بل رابط أو مجلد أو أنبوب)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>لا يمكن قراءته: %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2؛ تسري الإعدادات الافتراضية.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2؛ تسري القيمة الافتراضية لهذا المفتاح.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>حتى %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>%n دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>مسابقة بوقت</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>تمرين بلا ساعة</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>الطفل يختار مسابقة أو تمرينًا</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>الاسم الكامل لصاحب الرقم القياسي</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>الأحرف الأولى لصاحب الرقم القياسي</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>بلا اسم: بلا ترتيب</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» لا يمكن أن تكون «%2»: يلزم المسار الكامل لمجلد، مثل /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
