// The floor of a cheque PDF: the least work the same pages need. It opens the register, reads the
// account's row, and draws each cheque's texts (date, payee, figures, words, company name and the
// crossing's words) on its own A4 page through Qt's PDF writer, with no composition or checks.
// Usage: floor_pdfpages DATABASE ACCOUNT PAGES OUT.pdf
#include "core/layout/Fonts.h"
#include "core/words/AmountInWords.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: floor_pdfpages DATABASE ACCOUNT PAGES OUT.pdf\n");
        return 64;
    }
    quillset::loadChequeFonts();
    const int pages = QString::fromLocal8Bit(argv[3]).toInt();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        database.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        if (!database.open())
            return 1;
        QSqlQuery account(database);
        account.prepare(QStringLiteral("SELECT * FROM BankAccount WHERE BankID = ?"));
        account.addBindValue(QString::fromLocal8Bit(argv[2]));
        if (!account.exec() || !account.next())
            return 1;
    }

    QFile out(QString::fromLocal8Bit(argv[4]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    QPdfWriter writer(&out);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    QFont regular(quillset::chequeFontFamily());
    regular.setPointSizeF(9.75);
    QFont bold = regular;
    bold.setBold(true);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        const qint64 amount = 1000 + i * 7919LL;
        const QList<std::pair<QString, const QFont *>> texts
            = {{QStringLiteral("0  6    1  2    2  0  2  6"), &regular},
               {QStringLiteral("Payee number %1, Ltd").arg(i), &regular},
               {quillset::chequeFigures(amount, {}), &bold},
               {quillset::chequeWords(amount, {}).toUpper(), &regular},
               {QStringLiteral("Sample Traders Pvt. Ltd."), &bold},
               {QStringLiteral("Payee's Account Only"), &regular}};
        for (int line = 0; line < texts.size(); ++line) {
            painter.setFont(*texts.at(line).second);
            painter.drawText(QPointF(1000, 1000 + line * 400), texts.at(line).first);
        }
        painter.drawLine(QPointF(1000, 3600), QPointF(2400, 3000));
        painter.drawLine(QPointF(1100, 3600), QPointF(2500, 3000));
    }
    return 0;
}
