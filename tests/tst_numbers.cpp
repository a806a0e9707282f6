#include "Numbers.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void formatsWithPatterns_data();
    void formatsWithPatterns();
    void valReadsTheLeadingNumber_data();
    void valReadsTheLeadingNumber();
    void strictRefusesTextThatIsNoNumber_data();
    void strictRefusesTextThatIsNoNumber();
    void roundsToSixteenBits_data();
    void roundsToSixteenBits();
    void addsWithoutWrapping_data();
    void addsWithoutWrapping();
};

void TestNumbers::formatsWithPatterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("00 pads one digit") << 5.0 << "00"
                                       << "05";
    QTest::newRow("00 zero") << 0.0 << "00"
                             << "00";
    QTest::newRow("00 two digits") << 59.0 << "00"
                                   << "59";
    QTest::newRow("00 three digits") << 120.0 << "00"
                                     << "120";
    QTest::newRow("#0 zero") << 0.0 << "#0"
                             << "0";
    QTest::newRow("#0 no grouping") << 9999.0 << "#0"
                                    << "9999";
    QTest::newRow("###0 one") << 1.0 << "###0"
                              << "1";
    QTest::newRow("####0 ten thousand") << 10000.0 << "####0"
                                        << "10000";
    QTest::newRow("####0 largest count") << 32767.0 << "####0"
                                         << "32767";
    QTest::newRow("negative keeps its sign") << -5.0 << "00"
                                             << "-05";
    QTest::newRow("float seconds") << double(59.0f) << "00"
                                   << "59";
}

void TestNumbers::formatsWithPatterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(numbers::format(value, pattern), expected);
}

void TestNumbers::valReadsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("digits") << "42" << 42.0;
    QTest::newRow("leading zeros") << "0042" << 42.0;
    QTest::newRow("line end") << "12\r\n" << 12.0;
    QTest::newRow("second line ignored") << "7\r\nciao\r\n" << 7.0;
    QTest::newRow("blanks ignored") << "  1 2 " << 12.0;
    QTest::newRow("stops at a letter") << "12abc" << 12.0;
    QTest::newRow("letters first") << "abc12" << 0.0;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("decimal point") << "2.5x" << 2.5;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("dangling exponent") << "12e" << 12.0;
    QTest::newRow("comma stops") << "3,5" << 3.0;
    QTest::newRow("nul stops") << QString(QChar(u'9')) + QChar(0) + u'9' << 9.0;
    QTest::newRow("arabic digits are no digits") << QString::fromUtf16(u"\u0661\u0662") << 0.0;
}

void TestNumbers::valReadsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numbers::val(text), expected);
}

void TestNumbers::strictRefusesTextThatIsNoNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("digits") << "13" << true << 13.0;
    QTest::newRow("zero") << "0" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("trailing text") << "13a" << false << 0.0;
    QTest::newRow("word") << "tredici" << false << 0.0;
}

void TestNumbers::strictRefusesTextThatIsNoNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const auto value = numbers::strict(text);
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

void TestNumbers::roundsToSixteenBits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole") << 42.0 << true << 42;
    QTest::newRow("nearest down") << 2.4 << true << 2;
    QTest::newRow("nearest up") << 2.6 << true << 3;
    QTest::newRow("half to even down") << 2.5 << true << 2;
    QTest::newRow("half to even up") << 3.5 << true << 4;
    QTest::newRow("largest") << 32767.0 << true << 32767;
    QTest::newRow("smallest") << -32768.0 << true << -32768;
    QTest::newRow("one too many") << 32768.0 << false << 0;
    QTest::newRow("far too many") << 1e12 << false << 0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number") << std::nan("") << false << 0;
}

void TestNumbers::roundsToSixteenBits()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const auto rounded = numbers::roundToInt16(value);
    QCOMPARE(rounded.has_value(), fits);
    if (fits)
        QCOMPARE(int(*rounded), expected);
}

void TestNumbers::addsWithoutWrapping_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("fits");
    QTest::newRow("small") << 3 << 2 << true;
    QTest::newRow("to the top") << 32766 << 1 << true;
    QTest::newRow("over the top") << 32767 << 1 << false;
    QTest::newRow("sum over the top") << 20000 << 20000 << false;
}

void TestNumbers::addsWithoutWrapping()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, fits);
    const auto sum = numbers::add16(std::int16_t(a), std::int16_t(b));
    QCOMPARE(sum.has_value(), fits);
    if (fits)
        QCOMPARE(int(*sum), a + b);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
