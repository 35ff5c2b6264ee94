// The floor of the report's PDF: the month's rows read with one query and drawn as plain lines of
// cells on A4 pages, as many as the report puts on a page, with nothing measured or wrapped.
// Usage: floor_reportpdf DATABASE FROM TO ROWS-PER-PAGE OUT.pdf
#include "core/layout/Fonts.h"

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
    if (argc != 6) {
        std::fprintf(stderr, "usage: floor_reportpdf DATABASE FROM TO ROWS-PER-PAGE OUT.pdf\n");
        return 64;
    }
    quillset::loadChequeFonts();
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    database.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!database.open())
        return 1;
    QSqlQuery rows(database);
    rows.setForwardOnly(true);
    rows.prepare(QStringLiteral("SELECT PrintDate, BankID, ChequeNo, Pay, Amount, Status FROM Cheque WHERE PrintDate "
                                "BETWEEN ? AND ? ORDER BY PrintDate, ChequeNo"));
    rows.addBindValue(QString::fromLocal8Bit(argv[2]));
    rows.addBindValue(QString::fromLocal8Bit(argv[3]));
    if (!rows.exec())
        return 1;
    const int perPage = QString::fromLocal8Bit(argv[4]).toInt();

    QFile out(QString::fromLocal8Bit(argv[5]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    QPdfWriter writer(&out);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    QFont font(quillset::chequeFontFamily());
    font.setPointSizeF(9);
    painter.setFont(font);
    const double point = 1200 / 72.0;
    const double columns[] = {42, 112, 162, 222, 432, 502};
    int row = 0;
    int page = 1;
    while (rows.next()) {
        if (row == perPage) {
            painter.drawText(QPointF(280 * point, 800 * point), QStringLiteral("Page %1").arg(page++));
            writer.newPage();
            row = 0;
        }
        const double baseline = (80 + row * 14.4) * point;
        for (int cell = 0; cell < 6; ++cell)
            painter.drawText(QPointF(columns[cell] * point, baseline), rows.value(cell).toString());
        ++row;
    }
    painter.drawText(QPointF(280 * point, 800 * point), QStringLiteral("Page %1").arg(page));
    return 0;
}
