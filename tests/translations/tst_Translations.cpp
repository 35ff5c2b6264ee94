#include "support/DataRows.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QFile>
#include <QObject>
#include <QSet>
#include <QXmlStreamReader>

using quillset::test::row;

// The translation source the build keeps lists every text a person reads, so that a translation is
// a file. A text that bypasses tr() is missing from it: a sample from each layer is looked for.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsWhatPeopleRead_data();
    void listsWhatPeopleRead();

private:
    QSet<QString> m_listed; // "context|source"
};

void TestTranslations::initTestCase()
{
    QFile file(QStringLiteral(QUILLSET_TRANSLATION_SOURCE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            m_listed.insert(context + u'|' + xml.readElementText());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TestTranslations::listsWhatPeopleRead_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    row("a window's caption", "quillset::frmRegister", "Cheque Register");
    row("a button", "quillset::frmCheque", "&Print");
    row("a label from a table of boxes", "quillset::frmBanks", "Bank ID:");
    row("a message box", "quillset::frmBanks", "Duplicate Entry Not Allowed");
    row("the print's progress", "IssueMessages", "Cheque %1: looking for the printer");
    row("a command-line refusal", "ReportCommand", "--report writes to one file: give --csv FILE or --pdf FILE.");
    row("a command-line report", "InitialiseCommand", "Made the new database %1");
    row("the command-line help", "SharedOptions", "The payee.");
}

void TestTranslations::listsWhatPeopleRead()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QVERIFY2(m_listed.contains(context + u'|' + source), qPrintable(source));
}

QUILLSET_TEST_MAIN(TestTranslations, QCoreApplication)

#include "tst_Translations.moc"
