#include "frmChequeBooks.h"

#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/cheque/ChequeInput.h"
#include "core/issue/ChequeBookLife.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/WindowKeys.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <iterator>

namespace quillset {

namespace {

const char *const kColumns[] = {QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "First leaf"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Last leaf"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Received"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Printed"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Pending"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Spoiled"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Void"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Left"),
                                QT_TRANSLATE_NOOP("quillset::frmChequeBooks", "Skipped")};

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

frmChequeBooks::frmChequeBooks(AppServices &services, QString account, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_account(std::move(account))
{
    setObjectName(QStringLiteral("frmChequeBooks"));
    setWindowTitle(tr("Cheque Books of %1").arg(m_account));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QGridLayout(this);
    m_books = new QTableWidget(0, static_cast<int>(std::size(kColumns)), this);
    m_books->setObjectName(QStringLiteral("tblBooks"));
    QStringList headings;
    for (const char *column : kColumns)
        headings.append(tr(column));
    m_books->setHorizontalHeaderLabels(headings);
    m_books->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_books->setSelectionMode(QAbstractItemView::SingleSelection);
    m_books->verticalHeader()->hide();
    m_books->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_books->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_books, 0, 0, 1, 7);

    const auto field = [&](const char *name, const QString &caption, int column) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        auto *label = new QLabel(caption, this);
        label->setBuddy(box);
        layout->addWidget(label, 1, column);
        layout->addWidget(box, 1, column + 1);
        return box;
    };
    m_firstLeaf = field("txtFirstLeaf", tr("&First leaf:"), 0);
    m_lastLeaf = field("txtLastLeaf", tr("&Last leaf:"), 2);
    m_received = field("txtReceived", tr("&Received:"), 4);
    m_received->setText(formatChequeDate(m_services.today()));
    auto *add = new QPushButton(tr("&Add Book"), this);
    add->setObjectName(QStringLiteral("cmdAddBook"));
    layout->addWidget(add, 1, 6);
    m_retire = new QPushButton(tr("Re&tire Book"), this);
    m_retire->setObjectName(QStringLiteral("cmdRetire"));
    layout->addWidget(m_retire, 2, 5);
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    layout->addWidget(close, 2, 6);

    connect(add, &QPushButton::clicked, this, &frmChequeBooks::addBook);
    connect(m_retire, &QPushButton::clicked, this, &frmChequeBooks::retireBook);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_books, &QTableWidget::itemSelectionChanged, this,
            [this] { m_retire->setEnabled(!m_books->selectedItems().isEmpty()); });
    resize(680, 280);
    showBooks();
    useAccessKeys(*this);
    // Escape is Close; a book typed and not added is asked about first.
    cancelOnEscape(*this, [this] {
        if ((m_firstLeaf->text().isEmpty() && m_lastLeaf->text().isEmpty())
            || m_services.prompter.ask(kProgramTitle, tr("Close without adding the book you typed?")))
            this->close();
    });
}

void frmChequeBooks::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

void frmChequeBooks::showBooks()
{
    QList<BookUsage> usages;
    try {
        usages = bookUsage(*m_services.store, m_account);
    } catch (const Failure &failure) {
        tell(tr("The cheque books could not be read: %1").arg(failure.description()));
    }
    m_books->setRowCount(static_cast<int>(usages.size()));
    m_ids.clear();
    for (int row = 0; row < usages.size(); ++row) {
        const BookUsage &usage = usages.at(row);
        m_ids.append(usage.book.id);
        const QStringList texts = {usage.book.firstLeaf,
                                   usage.book.lastLeaf,
                                   formatChequeDate(usage.book.received),
                                   QString::number(usage.printed),
                                   QString::number(usage.pending),
                                   QString::number(usage.spoiled),
                                   QString::number(usage.voided),
                                   usage.book.retired ? tr("retired") : QString::number(usage.left),
                                   usage.skipped.join(QStringLiteral(", "))};
        for (int column = 0; column < texts.size(); ++column)
            m_books->setItem(row, column, cell(texts.at(column)));
    }
    m_retire->setEnabled(false);
}

void frmChequeBooks::addBook()
{
    try {
        const DateOrder order = m_services.store->parameters().dateRules(QDate()).order;
        addChequeBook(*m_services.store, m_account, m_firstLeaf->text(), m_lastLeaf->text(),
                      parseChequeDate(m_received->text(), order).value_or(QDate()));
    } catch (const Failure &failure) {
        tell(failure.description());
        return;
    }
    m_firstLeaf->clear();
    m_lastLeaf->clear();
    showBooks();
}

void frmChequeBooks::retireBook()
{
    const int row = m_books->currentRow();
    if (row < 0 || row >= m_ids.size())
        return;
    const QString range = m_books->item(row, 0)->text() + tr(" to ") + m_books->item(row, 1)->text();
    if (!m_services.prompter.ask(kProgramTitle, tr("Retire the book %1? Its leaves are no longer offered.").arg(range)))
        return;
    try {
        m_services.store->books().retire(m_ids.at(row));
    } catch (const Failure &failure) {
        tell(tr("The book was not retired: %1").arg(failure.description()));
        return;
    }
    showBooks();
}

} // namespace quillset
