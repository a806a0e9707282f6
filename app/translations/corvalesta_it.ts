<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="it_IT">
<context>
    <name>Clock</name>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n minuti.</source>
        <translation>
            <numerusform>Manca %n minuto.</numerusform>
            <numerusform>Mancano %n minuti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mancano %n secondi.</source>
        <translation>
            <numerusform>Manca %n secondo.</numerusform>
            <numerusform>Mancano %n secondi.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Contest</name>
    <message numerus="yes">
        <source>%n punti</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message numerus="yes">
        <source>%n gare</source>
        <translation>
            <numerusform>%n gara</numerusform>
            <numerusform>%n gare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n righe del file non si leggono</source>
        <extracomment>%1 is &quot;%n gare&quot;; then how many lines of the results file are no contest and are left out (a line changed by hand, say).</extracomment>
        <translation>
            <numerusform>%1; %n riga del file non si legge</numerusform>
            <numerusform>%1; %n righe del file non si leggono</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>report</name>
    <message numerus="yes">
        <source>%n bambini</source>
        <translation>
            <numerusform>%n bambino</numerusform>
            <numerusform>%n bambini</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message numerus="yes">
        <source>è più grande di %n kB</source>
        <extracomment>%n is the largest size allowed, in kilobytes.</extracomment>
        <translation>
            <numerusform>è più grande di %n kB</numerusform>
            <numerusform>è più grande di %n kB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
</context>
</TS>
