<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>%1 的页面</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1（用户 %2）</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>孩子的概况</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>没有进位出错。</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>进位出错：%1。</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>错误答案(&amp;R)：</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>错误答案，最新的在前</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>没有记录错误答案。</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>比赛：%1。最好：%2。每分钟答对：%3。准确率：%4。最近一次：%5。</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>比赛</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>最近</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>最好</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>每分钟答对</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>准确率</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>趋势</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>进位出错</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>在名单中</translation>
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
        <translation>还剩%1%2。</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>还剩%n分钟。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>还剩%n秒。</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>时间到了。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>即使没有触摸屏，也在算式旁显示数字键盘</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>打开全班的成绩，而不是开始比赛</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>使用这种语言，而不是电脑的语言</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>用法：corvalesta [选项]
五分钟比赛：一个数加1等于几？

选项：
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>语言：%1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>查看选项列表：corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>有一个选项缺少值。</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>多余的参数：%1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>未知语言：%1。可用的语言有：%2。</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>--ms-al-secondo 的值无效：%1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>打开全班的设置，而不是开始比赛</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>与 --risultati 一起：把孩子们的表格存为此 PDF，不打开窗口</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>与 --stampa 一起：只要到此数字为止的比赛</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>与 --stampa 一起：只要此时长的比赛</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>与 --stampa 一起：只要比赛 (gara) 或只要练习 (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>时间段</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>与 --stampa 一起：oggi（今天）、settimana（本周）或 tutto（全部，省略时）</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>与 --stampa 一起：只要包含此文本的名字</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 需要与 %2 一起使用</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>%1 的值无效：%2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>错误：答案太多，数不过来了（溢出）。</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>你叫什么名字？</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>%1，看看你是不是真正的冠军！</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>%1加1等于几？</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>答对了！%1，你真棒！</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>差一点！答案是%1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>答对：%1，答错：%2，一共：%3。</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>还没有纪录。</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>纪录是%1。</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>纪录是%1，由%2创造。</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>我们开始新的比赛吗？</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>开始新的比赛</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>乘法表要到哪个数？</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1，你没有选，那我们就到10。</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>时间到了！%1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>你想要计时比赛，还是不计时的练习？</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>比赛(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>练习(&amp;A)</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>练习，不计时，也不计纪录。</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>现在读不到学校的纪录：这是这台电脑的纪录。</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>数字键盘</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>触摸屏用的大按键</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>由老师们制作</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>向日葵小学</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>新</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>献给五年级的女孩和男孩们</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>数字键盘</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>时间和纪录</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>比赛趋势</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1：每分钟 %2，%3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>答对题数图表</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>%1的答对题数</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>选择一行来查看图表</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>data</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>答对</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>答错</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>总数</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>秒数</translation>
    </message>
    <message>
        <source>record</source>
        <translation>纪录</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>已核实</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>玩法</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>错误答案</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>十位进位</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>十位进位错误</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>百位进位</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>百位进位错误</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>千位进位</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>千位进位错误</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Data</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>答对</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>答错</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>总数</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>纪录</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>已核实</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>yyyy/MM/dd HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>上限</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>玩法</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>比赛</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>全班成绩属于老师：由管理员和corvalesta-maestri组的账户查看。</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>电脑</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1（时钟不准）</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>全班成绩</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>正在读取…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>名字(&amp;N)：</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>按名字筛选</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>时间段(&amp;P)：</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>时间段</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>本周</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>导出(&amp;E)…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>导出显示的行</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>显示的比赛</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>全班的比赛</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>成绩表</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>导出成绩</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>无法把成绩保存到
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>无法读取成绩：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n场比赛</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>电脑的纪录：%1，由 %2 创造</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>电脑的纪录：%1，由 %2 创造（账户 %3）</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1；文件中有 %n 行无法读取</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>打印(&amp;T)…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>PDF(&amp;D)…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>比赛</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>比赛(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>孩子(&amp;B)</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>打印孩子们的表格</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>把孩子们的表格存为 PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>最大数(&amp;F)：</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>按数字筛选</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>分钟(&amp;M)：</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>按时长筛选</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>玩法(&amp;O)：</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>按玩法筛选</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>班上的孩子</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>每个孩子一行：回车打开其页面</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>孩子的页面(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>合并(&amp;U)</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>把所选的行合并为一行，仅在此窗口中：同一个孩子有两种写法</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>拆分(&amp;S)</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>把合并的行重新拆开</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>工作簿 (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1；正在读取学校的文件夹…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1；读不到学校的文件夹：只有这台电脑的比赛</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1；读不到：%2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>最大的答案：每道题显示从0到比它小1的数。</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>一场比赛多长时间；时钟倒计时。</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>比赛：计时，有纪录。练习：不计时，没有纪录，答错的题稍后再出，按Exit结束。</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>怎样显示纪录保持者；纪录总会保存。</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>数字(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>时长(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>玩法(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>纪录(&amp;R)</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>全班设置</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>设置只能查看：由管理员和corvalesta-maestri组的老师修改。</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>由管理员在%1中固定。</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>由老师选择。</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>默认值。</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>已保存：从下一场比赛起生效。</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>每行一个名字：游戏询问名字时会列出它们，也仍可输入别的名字。为空：只能输入名字。</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>班级名单(&amp;E)</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>班级名单超过 %1 字节</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>再见，下次挑战见！</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>好的！我保存了你的纪录，冠 军！</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>保存纪录的服务现在没有响应：你的比赛已保存在这台电脑上，服务恢复后就会登记。</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>你的比赛已列入全班成绩，但不能算作纪录：保存纪录的服务没有看到它开始。</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>要补全的数</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>加号</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>要加的数</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>等号</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>写出答案，然后按回车键</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>在这里写出答案，然后按回车键</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>隐藏的数</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>游戏的回答</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>空行</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>答对的题</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>答对题数的标题</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>这是你的分数。向纪录冲刺吧！</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>答错的题</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>答错题数的标题</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>全部答题</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>全部答题的标题</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>时间的标题</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>点击我下面来设置计时器</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>挑战者</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>玩家名字的标题</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>玩家的名字</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>纪录是</translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>纪录是</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>纪录保持者的名字</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>纪录的分数</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>下一题(&amp;N)</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>出发</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>进入下一题</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>再待一会儿吧，也许你能打破纪录！</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>退出游戏并保存纪录</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>没有功能的按钮</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - 数到10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>答对的题</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>答错的题</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>全部答题</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>分数</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - 数到%1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>算术游戏</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>下一个数是几？小学生的五分钟比赛</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>数学;数字;加法;数数;学校;儿童;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>全班成绩</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>小学算术游戏</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>每一轮显示一个0到9999之间的数和符号«+ 1 =»：孩子写出下一个数，然后按回车键。游戏会叫着孩子的名字表扬，或者显示正确答案，播放声音，统计答对、答错和总的题数，并且每一轮都换一种背景颜色。</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>一场比赛五分钟。电脑上的纪录和创造纪录的人的名字会保存到下一场比赛。</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>对老师来说，每场结束的比赛都留在全班成绩里：«全班成绩»窗口显示日期、名字、答对、答错和总的题数，可以按名字和时间段筛选、按列排序，画出每个孩子的进步，并把这些行导出为可以用LibreOffice Calc打开的CSV文件。使用读屏软件时，游戏会读出每道题和每个回答；在触摸屏上会显示数字键盘。</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>数学</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>数数</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>小学</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>全班成绩</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>全班设置</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>十位进位：%2 次中错 %1 次</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>百位进位：%2 次中错 %1 次</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>千位进位：%2 次中错 %1 次</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>我没有使用它的权限</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>它是只读的</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>磁盘错误</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>游戏的另一个副本正在保存纪录</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>它不是文件夹</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>打开的文件太多</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>它还有别的名字：它是硬链接</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>保存纪录的服务没有运行：电脑管理员可以用«sudo systemctl enable --now corvalesta-record.socket»启动它</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>保存纪录的服务没有回应</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>无法使用纪录的文件夹
%1

原因：%2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>无法使用纪录的文件
%1

原因：%2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>意外错误（代码 %1）</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>（纪录文件夹）</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>不知道是哪个文件夹</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>名字太长了</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>无法登记这场比赛。

原因：%1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>它声称的游戏秒数比开始以来经过的时间还多</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>这个账户今天已经进行了 %1 场比赛，这是一天的上限</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>它的数据无效</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>只有管理员和corvalesta-maestri组的老师可以修改设置</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>设置无效</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — 第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>打印于 %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>时间段：%1。最大数：%2。分钟：%3。玩法：%4。</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>名字：“%1”。</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n 个孩子</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>此选择下没有比赛。</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>无法把 PDF 保存到
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>存为 PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1，第%2行</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>“%1”不是“键 = 值”的形式</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>键“%1”不存在；键有fino_a、minuti、gioco和record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>“%1”不能是“%2”；可用的值是%3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>“%1”已经设置过：以最后一行为准</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>不是UTF-8文本</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>大于%n kB</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>不是普通文件（是链接、文件夹或管道）</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1：%2；使用默认设置。</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1：%2；此键使用默认值。</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>到%1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>计时比赛</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>不计时的练习</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>孩子选择比赛或练习</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>纪录保持者的全名</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>纪录保持者的首字母</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>不显示名字：不排名</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>“%1”不能是“%2”：需要文件夹的完整路径，例如 /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
