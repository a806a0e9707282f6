<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>ChildPage</name>
    <message>
        <source>Pagina di %1</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Página de %1</translation>
    </message>
    <message>
        <source>%1 (utente %2)</source>
        <translation>%1 (usuario %2)</translation>
    </message>
    <message>
        <source>Riepilogo del bambino</source>
        <translation>Resumen del niño</translation>
    </message>
    <message>
        <source>Nessun passaggio sbagliato.</source>
        <translation>Ningún paso fallado.</translation>
    </message>
    <message>
        <source>Passaggi sbagliati: %1.</source>
        <translation>Pasos fallados: %1.</translation>
    </message>
    <message>
        <source>&amp;Risposte sbagliate:</source>
        <translation>&amp;Respuestas incorrectas:</translation>
    </message>
    <message>
        <source>Le risposte sbagliate, dalla più recente</source>
        <translation>Las respuestas incorrectas, la más reciente primero</translation>
    </message>
    <message>
        <source>Nessuna risposta sbagliata registrata.</source>
        <translation>Ninguna respuesta incorrecta registrada.</translation>
    </message>
    <message>
        <source>Gare: %1. Migliore: %2. Esatte al minuto: %3. Precisione: %4. Ultima gara: %5.</source>
        <extracomment>A child&apos;s figures: %1 contests, %2 the best, %3 right answers a minute, %4 the accuracy, %5 when last played.</extracomment>
        <translation>Partidas: %1. Mejor: %2. Correctas por minuto: %3. Precisión: %4. Última partida: %5.</translation>
    </message>
</context>
<context>
    <name>ChildrenModel</name>
    <message>
        <source>Gare</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Ultima</source>
        <extracomment>Column: when the child last played.</extracomment>
        <translation>Última</translation>
    </message>
    <message>
        <source>Migliore</source>
        <extracomment>Column: the most right answers of one contest.</extracomment>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Esatte al minuto</source>
        <extracomment>Column: right answers a minute, the median of the last ten contests.</extracomment>
        <translation>Correctas por minuto</translation>
    </message>
    <message>
        <source>Precisione</source>
        <extracomment>Column: the share of right answers of the last ten contests.</extracomment>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Andamento</source>
        <extracomment>Column: right answers a minute over the last ten contests, drawn as a line.</extracomment>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>Passaggi sbagliati</source>
        <extracomment>Column: the sums that cross a ten, a hundred or a thousand that the child gets wrong.</extracomment>
        <translation>Pasos fallados</translation>
    </message>
    <message>
        <source>In elenco</source>
        <extracomment>Column: whether the name is on the teachers&apos; class list (sì/no).</extracomment>
        <translation>En la lista</translation>
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
        <translation>Quedan %1 y %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>Queda %n minuto.</numerusform>
            <numerusform>Quedan %n minutos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>Queda %n segundo.</numerusform>
            <numerusform>Quedan %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tempo scaduto.</source>
        <translation>Se acabó el tiempo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>mostra il tastierino accanto al calcolo anche senza schermo tattile</source>
        <translation>muestra el teclado numérico junto a la cuenta, aunque no haya pantalla táctil</translation>
    </message>
    <message>
        <source>apre i risultati della classe invece di una gara</source>
        <translation>abre los resultados de la clase en lugar de una partida</translation>
    </message>
    <message>
        <source>codice</source>
        <translation>código</translation>
    </message>
    <message>
        <source>parla questa lingua invece di quella del computer</source>
        <translation>habla este idioma en lugar del del ordenador</translation>
    </message>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>Uso: corvalesta [opzioni]
Una gara di cinque minuti: quanto fa un numero più 1?

Opzioni:
</source>
        <translation>Uso: corvalesta [opciones]
Una partida de cinco minutos: ¿cuánto es un número más 1?

Opciones:
</translation>
    </message>
    <message>
        <source>Lingue: %1</source>
        <translation>Idiomas: %1</translation>
    </message>
    <message>
        <source>Per l&apos;elenco delle opzioni: corvalesta --help</source>
        <translation>Para ver la lista de opciones: corvalesta --help</translation>
    </message>
    <message>
        <source>Manca il valore di un&apos;opzione.</source>
        <translation>A una opción le falta su valor.</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Opción desconocida: %1</translation>
    </message>
    <message>
        <source>Argomento non previsto: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Le lingue sono: %2.</source>
        <translation>Idioma desconocido: %1. Los idiomas son: %2.</translation>
    </message>
    <message>
        <source>Valore non valido per --ms-al-secondo: %1</source>
        <translation>Valor no válido para --ms-al-secondo: %1</translation>
    </message>
    <message>
        <source>apre le impostazioni della classe invece di una gara</source>
        <translation>abre los ajustes de la clase en lugar de una partida</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>con --risultati: salva la tabella dei bambini in questo PDF, senza finestra</source>
        <translation>con --risultati: guarda la tabla de los niños en este PDF, sin ventana</translation>
    </message>
    <message>
        <source>numero</source>
        <translation>número</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare fino a questo numero</source>
        <translation>con --stampa: solo las partidas hasta este número</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>con --stampa: solo le gare di questa durata</source>
        <translation>con --stampa: solo las partidas de esta duración</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>juego</translation>
    </message>
    <message>
        <source>con --stampa: solo gara o solo allenamento</source>
        <translation>con --stampa: solo partida (gara) o solo práctica (allenamento)</translation>
    </message>
    <message>
        <source>periodo</source>
        <translation>período</translation>
    </message>
    <message>
        <source>con --stampa: oggi, settimana o tutto (tutto se manca)</source>
        <translation>con --stampa: oggi (hoy), settimana (semana) o tutto (todo, si falta)</translation>
    </message>
    <message>
        <source>testo</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>con --stampa: solo i nomi che contengono questo testo</source>
        <translation>con --stampa: solo los nombres que contienen este texto</translation>
    </message>
    <message>
        <source>%1 va usata con %2</source>
        <extracomment>%1 is an option, %2 the option it needs.</extracomment>
        <translation>%1 se usa con %2</translation>
    </message>
    <message>
        <source>Valore non valido per %1: %2</source>
        <extracomment>%1 is the option, %2 the value given.</extracomment>
        <translation>Valor no válido para %1: %2</translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message>
        <source>Errore: troppe risposte da contare (overflow).</source>
        <translation>Error: demasiadas respuestas para contar (desbordamiento).</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <extracomment>%1 is the child&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>¡%1, vamos a ver si eres un verdadero campeón!</translation>
    </message>
    <message>
        <source>Quanto fa %1 più 1?</source>
        <extracomment>Spoken: %1 is the number shown.</extracomment>
        <translation>¿Cuánto es %1 más 1?</translation>
    </message>
    <message>
        <source>Esatto! %1 sei forte!</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>¡Muy bien! ¡%1, eres genial!</translation>
    </message>
    <message>
        <source>Sbagliato!! %1</source>
        <extracomment>%1 is the right answer.</extracomment>
        <translation>¡Casi! Es %1</translation>
    </message>
    <message>
        <source>Risposte esatte: %1, errate: %2, totali: %3.</source>
        <extracomment>Spoken: the right, wrong and total answers.</extracomment>
        <translation>Respuestas correctas: %1, incorrectas: %2, en total: %3.</translation>
    </message>
    <message>
        <source>Non c&apos;è ancora un record.</source>
        <translation>Todavía no hay récord.</translation>
    </message>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 punti</source>
        <extracomment>A score that is not a whole number, as 2.5.</extracomment>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Il record è di %1.</source>
        <extracomment>Spoken: %1 is the record&apos;s points (&quot;%n punti&quot;).</extracomment>
        <translation>El récord es de %1.</translation>
    </message>
    <message>
        <source>Il record è di %1, di %2.</source>
        <extracomment>Spoken: %1 is the record&apos;s points, %2 its holder&apos;s name.</extracomment>
        <translation>El récord es de %1, de %2.</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>¿EMPEZAMOS UNA PARTIDA NUEVA?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>EMPEZAR UNA PARTIDA NUEVA</translation>
    </message>
    <message>
        <source>Tavola pitagorica fino al numero? </source>
        <translation>¿La tabla de multiplicar hasta qué número?</translation>
    </message>
    <message>
        <source> %1 siccome non hai scelto arriviamo fino al 10.</source>
        <extracomment>%1 is the child&apos;s name; the blank before it is the design&apos;s.</extracomment>
        <translation>%1, como no has elegido, llegamos hasta el 10.</translation>
    </message>
    <message>
        <source>Tempo scaduto! %1</source>
        <extracomment>%1 is the sentence with the right, wrong and total answers.</extracomment>
        <translation>¡Se acabó el tiempo! %1</translation>
    </message>
    <message>
        <source>Vuoi fare una gara a tempo o un allenamento senza tempo?</source>
        <translation>¿Quieres una partida con tiempo o una práctica sin reloj?</translation>
    </message>
    <message>
        <source>&amp;Gara</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Allenamento</source>
        <translation>P&amp;ráctica</translation>
    </message>
    <message>
        <source>Allenamento, senza tempo e senza record.</source>
        <translation>Práctica, sin reloj y sin récord.</translation>
    </message>
    <message>
        <source>Il record della scuola ora non si legge: questo è il record di questo computer.</source>
        <translation>El récord de la escuela no se puede leer ahora: este es el récord de este ordenador.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Cancella</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Invio</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Tasti grandi per lo schermo a tocco</source>
        <translation>Teclas grandes para la pantalla táctil</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Risposta</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Nuovo calcolo</source>
        <translation>Siguiente cuenta</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Realizzato dalle maestre e dai maestri</source>
        <translation>Hecho por las maestras y los maestros</translation>
    </message>
    <message>
        <source>Scuola Primaria Girasole</source>
        <translation>Escuela Primaria Girasole</translation>
    </message>
    <message>
        <source>nuovo</source>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>Per le bambine e i bambini della quinta</source>
        <translation>Para las niñas y los niños de quinto</translation>
    </message>
    <message>
        <source>Schermo intero</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Tastierino</source>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Tempo e record</source>
        <translation>Tiempo y récord</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Andamento delle gare</source>
        <translation>Tendencia de las partidas</translation>
    </message>
    <message>
        <source>%1: %2 al minuto, %3</source>
        <extracomment>One contest of a child&apos;s chart: %1 its date, %2 right answers a minute, %3 the share of right answers.</extracomment>
        <translation>%1: %2 por minuto, %3</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>&amp;Sì</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ResultsChart</name>
    <message>
        <source>Grafico delle risposte esatte</source>
        <translation>Gráfico de las respuestas correctas</translation>
    </message>
    <message>
        <source>Risposte esatte di %1</source>
        <translation>Respuestas correctas de %1</translation>
    </message>
    <message>
        <source>Scegli una riga per vedere il grafico</source>
        <translation>Elige una fila para ver el gráfico</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>data</source>
        <translation>fecha</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>correctas</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>incorrectas</translation>
    </message>
    <message>
        <source>totali</source>
        <translation>total</translation>
    </message>
    <message>
        <source>secondi</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>record</source>
        <translation>récord</translation>
    </message>
    <message>
        <source>utente</source>
        <translation>usuario</translation>
    </message>
    <message>
        <source>verificata</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>fino_a</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>minuti</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>gioco</source>
        <translation>juego</translation>
    </message>
    <message>
        <source>sbagliate</source>
        <translation>respuestas_incorrectas</translation>
    </message>
    <message>
        <source>decine</source>
        <translation>decenas</translation>
    </message>
    <message>
        <source>decine_errate</source>
        <translation>decenas_incorrectas</translation>
    </message>
    <message>
        <source>centinaia</source>
        <translation>centenas</translation>
    </message>
    <message>
        <source>centinaia_errate</source>
        <translation>centenas_incorrectas</translation>
    </message>
    <message>
        <source>migliaia</source>
        <translation>millares</translation>
    </message>
    <message>
        <source>migliaia_errate</source>
        <translation>millares_incorrectos</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Incorrectas</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Verificata</source>
        <extracomment>Column: whether the record service saw the contest start (sì/no).</extracomment>
        <translation>Verificada</translation>
    </message>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>How the table writes a contest&apos;s date and time (QDateTime&apos;s format: dd day, MM month, yyyy year, HH hour, mm minute), in digits only, as the language writes dates.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>Fino a</source>
        <extracomment>Column: the highest answer of the contest&apos;s range (10 to 10000).</extracomment>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>Column: the contest&apos;s length in minutes.</extracomment>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Gioco</source>
        <extracomment>Column: a timed contest (gara) or a practice (allenamento).</extracomment>
        <translation>Juego</translation>
    </message>
    <message>
        <source>allenamento</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>gara</source>
        <translation>partida</translation>
    </message>
    <message>
        <source>I risultati della classe sono degli insegnanti: li leggono l&apos;amministratore e gli utenti del gruppo corvalesta-maestri.</source>
        <translation>Los resultados de la clase son de los docentes: los leen el administrador y los usuarios del grupo corvalesta-maestri.</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>Column: the lab&apos;s computer the contest was played on.</extracomment>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>%1 (orologio sbagliato)</source>
        <extracomment>%1 is a computer whose clock was more than five minutes off.</extracomment>
        <translation>%1 (reloj equivocado)</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Risultati della classe</source>
        <extracomment>%n is the number of children in the report.</extracomment>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Lettura…</source>
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Filtra per nome</source>
        <translation>Filtrar por nombre</translation>
    </message>
    <message>
        <source>&amp;Periodo:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>oggi</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>esta semana</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>todo</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Esporta le righe mostrate</source>
        <translation>Exportar las filas que se ven</translation>
    </message>
    <message>
        <source>Gare mostrate</source>
        <translation>Partidas mostradas</translation>
    </message>
    <message>
        <source>Gare della classe</source>
        <translation>Las partidas de la clase</translation>
    </message>
    <message>
        <source>Tabella dei risultati</source>
        <translation>Tabla de resultados</translation>
    </message>
    <message>
        <source>Esporta i risultati</source>
        <extracomment>The kinds of file the export writes; the workbook keeps names as text.</extracomment>
        <translation>Exportar los resultados</translation>
    </message>
    <message>
        <source>Non riesco a salvare i risultati in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>No puedo guardar los resultados en
%1</translation>
    </message>
    <message>
        <source>Non riesco a leggere i risultati: %1</source>
        <translation>No puedo leer los resultados: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2</source>
        <translation>Récord del ordenador: %1, de %2</translation>
    </message>
    <message>
        <source>Record del computer: %1, di %2 (utente %3)</source>
        <translation>Récord del ordenador: %1, de %2 (usuario %3)</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1; %n línea del archivo no se puede leer</numerusform>
            <numerusform>%1; %n líneas del archivo no se pueden leer</numerusform>
        </translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>gare</source>
        <translation>partidas</translation>
    </message>
    <message>
        <source>allenamenti</source>
        <translation>prácticas</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>&amp;Gare</source>
        <translation>&amp;Partidas</translation>
    </message>
    <message>
        <source>&amp;Bambini</source>
        <translation>&amp;Niños</translation>
    </message>
    <message>
        <source>Stampa la tabella dei bambini</source>
        <translation>Imprimir la tabla de los niños</translation>
    </message>
    <message>
        <source>Salva la tabella dei bambini in PDF</source>
        <translation>Guardar la tabla de los niños en PDF</translation>
    </message>
    <message>
        <source>&amp;Fino a:</source>
        <extracomment>The filter of the range: every range, or one.</extracomment>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Filtra per numeri</source>
        <translation>Filtrar por números</translation>
    </message>
    <message>
        <source>&amp;Minuti:</source>
        <translation>&amp;Minutos:</translation>
    </message>
    <message>
        <source>Filtra per durata</source>
        <translation>Filtrar por duración</translation>
    </message>
    <message>
        <source>Gi&amp;oco:</source>
        <translation>&amp;Juego:</translation>
    </message>
    <message>
        <source>Filtra per gioco</source>
        <translation>Filtrar por juego</translation>
    </message>
    <message>
        <source>Bambini della classe</source>
        <translation>Niños de la clase</translation>
    </message>
    <message>
        <source>Una riga per bambino: Invio apre la sua pagina</source>
        <translation>Una fila por niño: Intro abre su página</translation>
    </message>
    <message>
        <source>P&amp;agina del bambino…</source>
        <translation>Pá&amp;gina del niño…</translation>
    </message>
    <message>
        <source>&amp;Unisci</source>
        <translation>&amp;Unir</translation>
    </message>
    <message>
        <source>Unisce le righe scelte in una sola, per questa finestra: lo stesso bambino scritto in due modi</source>
        <translation>Une las filas elegidas en una sola, para esta ventana: el mismo niño escrito de dos maneras</translation>
    </message>
    <message>
        <source>&amp;Separa</source>
        <translation>&amp;Separar</translation>
    </message>
    <message>
        <source>Separa di nuovo le righe unite</source>
        <translation>Vuelve a separar las filas unidas</translation>
    </message>
    <message>
        <source>Cartella di lavoro (*.xlsx);;CSV (*.csv)</source>
        <translation>Libro de cálculo (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1; lettura della cartella della scuola…</source>
        <extracomment>%1 is what the count says so far.</extracomment>
        <translation>%1; leyendo la carpeta de la escuela…</translation>
    </message>
    <message>
        <source>%1; la cartella della scuola non si legge: ci sono solo le gare di questo computer</source>
        <extracomment>%1 is what the count says so far; the school&apos;s folder is on a share.</extracomment>
        <translation>%1; la carpeta de la escuela no se puede leer: solo están las partidas de este ordenador</translation>
    </message>
    <message>
        <source>%1; non si leggono: %2</source>
        <extracomment>%1 is what the count says so far, %2 the files, as &quot;pc-03/risultati-2026-11.csv&quot;.</extracomment>
        <translation>%1; no se pueden leer: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Il numero più alto da scrivere: ogni calcolo mostra un numero da 0 a uno in meno.</source>
        <translation>La respuesta más alta: cada cálculo muestra un número de 0 a uno menos.</translation>
    </message>
    <message>
        <source>Quanto dura una gara; il tempo si conta alla rovescia.</source>
        <translation>Cuánto dura una partida; el reloj cuenta hacia atrás.</translation>
    </message>
    <message>
        <source>Gara: a tempo, con il record. Allenamento: senza tempo e senza record, i calcoli sbagliati tornano più tardi, si finisce con Exit.</source>
        <translation>Partida: con tiempo y con récord. Práctica: sin reloj ni récord, los cálculos equivocados vuelven más tarde, se termina con Exit.</translation>
    </message>
    <message>
        <source>Come si mostra chi ha il record; il record si tiene sempre.</source>
        <translation>Cómo se muestra quién tiene el récord; el récord se guarda siempre.</translation>
    </message>
    <message>
        <source>&amp;Numeri</source>
        <translation>&amp;Números</translation>
    </message>
    <message>
        <source>&amp;Durata</source>
        <translation>&amp;Duración</translation>
    </message>
    <message>
        <source>&amp;Gioco</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Récord</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <translation>Ajustes de la clase</translation>
    </message>
    <message>
        <source>Le impostazioni si possono solo leggere: le cambiano l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri.</source>
        <translation>Los ajustes solo se pueden leer: los cambian el administrador y los docentes del grupo corvalesta-maestri.</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Fissata dall&apos;amministratore in %1.</source>
        <translation>Fijado por el administrador en %1.</translation>
    </message>
    <message>
        <source>Scelta dagli insegnanti.</source>
        <translation>Elegido por los docentes.</translation>
    </message>
    <message>
        <source>Valore predefinito.</source>
        <translation>Valor predeterminado.</translation>
    </message>
    <message>
        <source>Salvate: valgono dalla prossima gara.</source>
        <translation>Guardados: valen desde la próxima partida.</translation>
    </message>
    <message>
        <source>Non salvate: %1</source>
        <translation>No guardados: %1</translation>
    </message>
    <message>
        <source>Un nome per riga: il gioco li offre quando chiede il nome, e si può ancora scriverne un altro. Vuoto: il nome si scrive soltanto.</source>
        <translation>Un nombre por línea: el juego los ofrece cuando pide el nombre, y aún se puede escribir otro. Vacío: el nombre solo se escribe.</translation>
    </message>
    <message>
        <source>&amp;Elenco della classe</source>
        <translation>&amp;Lista de la clase</translation>
    </message>
    <message>
        <source>l&apos;elenco della classe è più lungo di %1 byte</source>
        <extracomment>%1 is the most bytes a class list may have.</extracomment>
        <translation>la lista de la clase supera los %1 bytes</translation>
    </message>
</context>
<context>
    <name>contest</name>
    <message>
        <source>Ciao, alla prossima sfida. </source>
        <translation>¡Adiós, hasta el próximo desafío!</translation>
    </message>
    <message>
        <source>Ok! Ho registrato il tuo record, C A M P I O N E</source>
        <translation>¡Vale! He guardado tu récord, C A M P E Ó N</translation>
    </message>
    <message>
        <source>Il servizio che registra il record ora non risponde: la tua gara è conservata su questo computer e sarà registrata appena il servizio torna in funzione.</source>
        <translation>El servicio que guarda el récord no responde ahora: tu partida se conserva en este ordenador y se guardará en cuanto el servicio vuelva.</translation>
    </message>
    <message>
        <source>La tua gara è tra i risultati della classe, ma non può valere come record: il servizio che registra il record non ne ha visto l&apos;inizio.</source>
        <translation>Tu partida está en los resultados de la clase, pero no puede valer como récord: el servicio que guarda el récord no vio su comienzo.</translation>
    </message>
</context>
<context>
    <name>design</name>
    <message>
        <source>Numero da completare</source>
        <translation>Número que completar</translation>
    </message>
    <message>
        <source>Segno più</source>
        <translation>Signo más</translation>
    </message>
    <message>
        <source>Numero da aggiungere</source>
        <translation>Número que sumar</translation>
    </message>
    <message>
        <source>Segno uguale</source>
        <translation>Signo igual</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <extracomment>The answer box&apos;s tooltip; the double blanks are the design&apos;s.</extracomment>
        <translation>Escribe el resultado y pulsa Intro</translation>
    </message>
    <message>
        <source>Scrivi qui il risultato e premi Invio</source>
        <translation>Escribe aquí el resultado y pulsa Intro</translation>
    </message>
    <message>
        <source>Numero nascosto</source>
        <translation>Número escondido</translation>
    </message>
    <message>
        <source>Risposta del gioco</source>
        <translation>La respuesta del juego</translation>
    </message>
    <message>
        <source>Riga vuota</source>
        <extracomment>An empty line under the game&apos;s reply, which a screen reader meets.</extracomment>
        <translation>Línea vacía</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Titolo delle risposte esatte</source>
        <translation>Título de las respuestas correctas</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <extracomment>The score&apos;s tooltip: &quot;try to beat the record&quot;; the double blank is the design&apos;s.</extracomment>
        <translation>Esta es tu puntuación. ¡A por el récord!</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Titolo delle risposte errate</source>
        <translation>Título de las respuestas incorrectas</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Todas las respuestas</translation>
    </message>
    <message>
        <source>Titolo delle risposte totali</source>
        <translation>Título de todas las respuestas</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Titolo del tempo</source>
        <translation>Título del tiempo</translation>
    </message>
    <message>
        <source>Clicca sotto di me per impostare il Timer</source>
        <translation>Haz clic debajo de mí para poner el temporizador</translation>
    </message>
    <message>
        <source>Orologio</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Titolo del nome del giocatore</source>
        <translation>Título del nombre del jugador</translation>
    </message>
    <message>
        <source>Nome del giocatore</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <extracomment>Runs on into the holder&apos;s name; the blanks are the design&apos;s.</extracomment>
        <translation>El récord es de </translation>
    </message>
    <message>
        <source>Il record è di</source>
        <translation>El récord es de</translation>
    </message>
    <message>
        <source>Nome di chi ha il record</source>
        <translation>Nombre de quien tiene el récord</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>con puntos</translation>
    </message>
    <message>
        <source>Punti del record</source>
        <translation>Puntos del récord</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <extracomment>The button for the next sum; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Siguiente cuenta</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The next button&apos;s tooltip: the design has it in English.</extracomment>
        <translation>Vamos</translation>
    </message>
    <message>
        <source>Passa al prossimo calcolo</source>
        <translation>Pasar a la siguiente cuenta</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the game, in English in the design; &amp; marks the letter that works with Alt.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <extracomment>The exit button teases the child; the blank at the end is the design&apos;s.</extracomment>
        <translation>Quédate un poco más, ¡a lo mejor bates el récord!</translation>
    </message>
    <message>
        <source>Esci dal gioco e registra il record</source>
        <translation>Salir del juego y guardar el récord</translation>
    </message>
    <message>
        <source>Pulsante senza azione</source>
        <translation>Botón sin acción</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a 10000</source>
        <extracomment>The window&apos;s title: the game&apos;s name, then &quot;I count up to 10000&quot;.</extracomment>
        <translation>Ventobaldo - Contar hasta 10000</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <comment>description</comment>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <comment>description</comment>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <comment>description</comment>
        <translation>Todas las respuestas</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <comment>description</comment>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>con punti</source>
        <comment>description</comment>
        <translation>con puntos</translation>
    </message>
    <message>
        <source>Ventobaldo- Arrivo fino a %1</source>
        <extracomment>The window&apos;s title for a smaller range: %1 is the highest answer (10, 20, 100, 1000).</extracomment>
        <translation>Ventobaldo - Contar hasta %1</translation>
    </message>
</context>
<context>
    <name>desktop</name>
    <message>
        <source>Gara di calcolo</source>
        <translation>Juego de cálculo</translation>
    </message>
    <message>
        <source>Quale numero viene dopo? Una gara di cinque minuti per la scuola primaria</source>
        <translation>¿Qué número viene después? Una partida de cinco minutos para primaria</translation>
    </message>
    <message>
        <source>matematica;numeri;addizione;contare;scuola;bambini;</source>
        <extracomment>Search words for the desktop&apos;s menu: each ends with a semicolon.</extracomment>
        <translation>matemáticas;números;suma;contar;escuela;niños;</translation>
    </message>
    <message>
        <source>Risultati della classe</source>
        <extracomment>The menu item that opens the teacher&apos;s window.</extracomment>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Gara di calcolo per la scuola primaria</source>
        <translation>Juego de cálculo para primaria</translation>
    </message>
    <message>
        <source>Ogni turno mostra un numero da 0 a 9999 e il segno «+ 1 =»: il bambino scrive il numero che viene dopo e preme Invio. Il gioco lo loda per nome o mostra la risposta giusta, suona, conta le risposte esatte, errate e totali e colora lo sfondo in modo nuovo a ogni turno.</source>
        <translation>Cada turno muestra un número del 0 al 9999 y el signo «+ 1 =»: el niño escribe el número que viene después y pulsa Intro. El juego lo felicita por su nombre o muestra la respuesta correcta, hace un sonido, cuenta las respuestas correctas, incorrectas y totales y cambia el color del fondo en cada turno.</translation>
    </message>
    <message>
        <source>Una gara dura cinque minuti. Il record del computer e il nome di chi lo ha fatto restano salvati per la gara successiva.</source>
        <translation>Una partida dura cinco minutos. El récord del ordenador y el nombre de quien lo consiguió se guardan para la partida siguiente.</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante, ogni gara finita resta nei risultati della classe: la finestra «Risultati della classe» mostra data, nome, risposte esatte, errate e totali, filtra per nome e per periodo, ordina per colonna, disegna l&apos;andamento di ogni bambino ed esporta le righe in un file CSV che si apre con LibreOffice Calc. Con un lettore di schermo il gioco dice ogni calcolo e ogni risposta; su uno schermo a tocco mostra un tastierino.</source>
        <translation>Para el maestro, cada partida terminada queda en los resultados de la clase: la ventana «Resultados de la clase» muestra fecha, nombre, respuestas correctas, incorrectas y totales, filtra por nombre y por periodo, ordena por columna, dibuja el progreso de cada niño y exporta las filas a un archivo CSV que se abre con LibreOffice Calc. Con un lector de pantalla el juego dice cada cuenta y cada respuesta; en una pantalla táctil muestra un teclado numérico.</translation>
    </message>
    <message>
        <source>matematica</source>
        <extracomment>The six search words of the software centre, one each.</extracomment>
        <translation>matemáticas</translation>
    </message>
    <message>
        <source>numeri</source>
        <translation>números</translation>
    </message>
    <message>
        <source>addizione</source>
        <translation>suma</translation>
    </message>
    <message>
        <source>contare</source>
        <translation>contar</translation>
    </message>
    <message>
        <source>scuola primaria</source>
        <translation>escuela primaria</translation>
    </message>
    <message>
        <source>risultati della classe</source>
        <translation>resultados de la clase</translation>
    </message>
    <message>
        <source>Impostazioni della classe</source>
        <extracomment>The menu item that opens the teachers&apos; settings window.</extracomment>
        <translation>Ajustes de la clase</translation>
    </message>
</context>
<context>
    <name>progress</name>
    <message>
        <source>passaggio della decina: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 19 + 1, which cross a ten.</extracomment>
        <translation>paso de la decena: %1 de %2</translation>
    </message>
    <message>
        <source>passaggio del centinaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 99 + 1, which cross a hundred.</extracomment>
        <translation>paso de la centena: %1 de %2</translation>
    </message>
    <message>
        <source>passaggio del migliaio: %1 su %2</source>
        <extracomment>%1 wrong of %2 sums like 999 + 1, which cross a thousand.</extracomment>
        <translation>paso del millar: %1 de %2</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>il disco è pieno</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>non ho il permesso di usarlo</source>
        <translation>no tengo permiso para usarlo</translation>
    </message>
    <message>
        <source>è di sola lettura</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>error del disco</translation>
    </message>
    <message>
        <source>un&apos;altra copia del gioco sta salvando il record</source>
        <translation>otra copia del juego está guardando el récord</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>la cartella non c&apos;è</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>il file non c&apos;è</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>hay demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>no queda memoria</translation>
    </message>
    <message>
        <source>ha un altro nome: è un collegamento fisso</source>
        <translation>tiene otro nombre: es un enlace duro</translation>
    </message>
    <message>
        <source>il servizio che registra il record non è in funzione: chi amministra il computer lo avvia con «sudo systemctl enable --now corvalesta-record.socket»</source>
        <translation>el servicio que guarda el récord no está en marcha: quien administra el ordenador lo inicia con «sudo systemctl enable --now corvalesta-record.socket»</translation>
    </message>
    <message>
        <source>il servizio che registra il record non ha risposto</source>
        <translation>el servicio que guarda el récord no ha respondido</translation>
    </message>
    <message>
        <source>Non riesco a usare la cartella del record
%1

Motivo: %2</source>
        <translation>No puedo usar la carpeta del récord
%1

Motivo: %2</translation>
    </message>
    <message>
        <source>Non riesco a usare il file del record
%1

Motivo: %2</source>
        <translation>No puedo usar el archivo del récord
%1

Motivo: %2</translation>
    </message>
    <message>
        <source>errore imprevisto (codice %1)</source>
        <translation>error inesperado (código %1)</translation>
    </message>
    <message>
        <source>(cartella dei record)</source>
        <translation>(carpeta del récord)</translation>
    </message>
    <message>
        <source>la cartella non è nota</source>
        <translation>no se conoce la carpeta</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>Non posso registrare questa gara.

Motivo: %1</source>
        <translation>No puedo guardar esta partida.

Motivo: %1</translation>
    </message>
    <message>
        <source>dice di aver giocato più secondi di quanti ne siano passati dal suo inizio</source>
        <translation>dice haber jugado más segundos de los que han pasado desde su comienzo</translation>
    </message>
    <message>
        <source>con questo utente oggi si sono già giocate %1 gare, il massimo per un giorno</source>
        <extracomment>%1 is the most contests one account may end in a day (300).</extracomment>
        <translation>hoy ya se han jugado %1 partidas con este usuario, el máximo para un día</translation>
    </message>
    <message>
        <source>i suoi dati non sono validi</source>
        <translation>sus datos no son válidos</translation>
    </message>
    <message>
        <source>solo l&apos;amministratore e gli insegnanti del gruppo corvalesta-maestri possono cambiare le impostazioni</source>
        <translation>solo el administrador y los docentes del grupo corvalesta-maestri pueden cambiar los ajustes</translation>
    </message>
    <message>
        <source>le impostazioni non sono valide</source>
        <translation>los ajustes no son válidos</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>Corvalesta — pagina %1 di %2</source>
        <extracomment>A printed page&apos;s foot: %1 this page, %2 the pages.</extracomment>
        <translation>Corvalesta — página %1 de %2</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <extracomment>%1 is the day the report was printed, as the language writes it.</extracomment>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Periodo: %1. Fino a: %2. Minuti: %3. Gioco: %4.</source>
        <extracomment>What the report&apos;s contests are: %1 the period, %2 the range, %3 the length in minutes, %4 the kind of play.</extracomment>
        <translation>Período: %1. Hasta: %2. Minutos: %3. Juego: %4.</translation>
    </message>
    <message>
        <source>Nome: «%1».</source>
        <extracomment>%1 is the part of a name the contests are filtered by.</extracomment>
        <translation>Nombre: «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n niño</numerusform>
            <numerusform>%n niños</numerusform>
        </translation>
    </message>
    <message>
        <source>Nessuna gara per questa scelta.</source>
        <translation>Ninguna partida para esta elección.</translation>
    </message>
    <message>
        <source>Non riesco a salvare il PDF in
%1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>No puedo guardar el PDF en
%1</translation>
    </message>
    <message>
        <source>Salva in PDF</source>
        <translation>Guardar en PDF</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>%1, riga %2</source>
        <extracomment>%1 is a file&apos;s path, %2 a line number.</extracomment>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>«%1» non è nella forma «chiave = valore»</source>
        <extracomment>%1 is the line as written; &quot;chiave = valore&quot; is the format, keep its blanks.</extracomment>
        <translation>«%1» no tiene la forma «clave = valor»</translation>
    </message>
    <message>
        <source>la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record</source>
        <extracomment>%1 is the key as written; the four keys are never translated.</extracomment>
        <translation>la clave «%1» no existe; las claves son fino_a, minuti, gioco y record</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»; i valori possibili sono %3</source>
        <extracomment>%1 is the key, %2 the value as written, %3 the values allowed, as &quot;10|20|100&quot;.</extracomment>
        <translation>«%1» no puede valer «%2»; los valores posibles son %3</translation>
    </message>
    <message>
        <source>«%1» è già stata impostata: vale l&apos;ultima riga</source>
        <extracomment>%1 is a key set twice in the same file.</extracomment>
        <translation>«%1» ya estaba puesta: vale la última línea</translation>
    </message>
    <message>
        <source>non è un testo UTF-8</source>
        <translation>no es un texto UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>es mayor de %n kB</numerusform>
            <numerusform>es mayor de %n kB</numerusform>
        </translation>
    </message>
    <message>
        <source>non è un file normale (è un collegamento, una cartella o una coda)</source>
        <translation>no es un archivo normal (es un enlace, una carpeta o una tubería)</translation>
    </message>
    <message>
        <source>non si legge: %1</source>
        <extracomment>%1 is the system&apos;s reason, as &quot;Permission denied&quot;.</extracomment>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2; valgono le impostazioni predefinite.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; valen los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>%1: %2; per questa chiave vale il valore predefinito.</source>
        <extracomment>%1 is where (a file and a line), %2 what is wrong there.</extracomment>
        <translation>%1: %2; para esta clave vale el valor predeterminado.</translation>
    </message>
    <message>
        <source>fino a %1</source>
        <extracomment>%1 is the highest answer: 10, 20, 100, 1000 or 10000.</extracomment>
        <translation>hasta %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>gara a tempo</source>
        <translation>partida con tiempo</translation>
    </message>
    <message>
        <source>allenamento senza tempo</source>
        <translation>práctica sin reloj</translation>
    </message>
    <message>
        <source>il bambino sceglie gara o allenamento</source>
        <translation>el niño elige partida o práctica</translation>
    </message>
    <message>
        <source>il nome intero di chi ha il record</source>
        <translation>el nombre completo de quien tiene el récord</translation>
    </message>
    <message>
        <source>le iniziali di chi ha il record</source>
        <translation>las iniciales de quien tiene el récord</translation>
    </message>
    <message>
        <source>nessun nome: non si fa classifica</source>
        <translation>ningún nombre: sin clasificación</translation>
    </message>
    <message>
        <source>«%1» non può valere «%2»: serve il percorso intero di una cartella, come /srv/scuola/corvalesta</source>
        <extracomment>%1 is the key, %2 the value as written; the path is an example, keep it.</extracomment>
        <translation>«%1» no puede valer «%2»: hace falta la ruta completa de una carpeta, como /srv/scuola/corvalesta</translation>
    </message>
</context>
</TS>
