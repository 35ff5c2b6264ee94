#include "frmPositivePay.h"

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/positivepay/PositivePayLayout.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/WindowKeys.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace quillset {

namespace {

// A layout is a few hundred bytes; a larger file is not one.
constexpr qint64 kLargestLayout = 64 * 1024;

} // namespace

frmPositivePay::frmPositivePay(AppServices &services, QString account, QWidget *parent)
    // A window of its own rather than a tool of the bank window's: a tool window shares its parent's
    // access keys, and Import, Save and Cancel would each be two buttons.
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_account(std::move(account))
{
    setObjectName(QStringLiteral("frmPositivePay"));
    setWindowTitle(tr("Positive Pay of %1").arg(m_account));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QGridLayout(this);
    m_threshold = new QLineEdit(this);
    m_threshold->setObjectName(QStringLiteral("txtThreshold"));
    m_threshold->setPlaceholderText(tr("none"));
    m_threshold->setToolTip(tr("Cheques of this whole amount or more are to be reported to the bank before they "
                               "are presented; printing warns of any not reported by the next day. Empty: none."));
    auto *thresholdLabel = new QLabel(tr("&Report cheques from (whole amount):"), this);
    thresholdLabel->setBuddy(m_threshold);
    m_layout = new QPlainTextEdit(this);
    m_layout->setObjectName(QStringLiteral("txtLayout"));
    m_layout->setTabChangesFocus(true);
    m_layout->setPlaceholderText(tr("No layout: load one with Import, such as docs/examples/positive-pay-india.json."));
    auto *layoutLabel = new QLabel(tr("The bank's file &layout (JSON):"), this);
    layoutLabel->setBuddy(m_layout);

    auto *import = new QPushButton(tr("&Import..."), this);
    import->setObjectName(QStringLiteral("cmdImport"));
    auto *saveButton = new QPushButton(tr("&Save"), this);
    saveButton->setObjectName(QStringLiteral("cmdSave"));
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    layout->addWidget(thresholdLabel, 0, 0);
    layout->addWidget(m_threshold, 0, 1, 1, 3);
    layout->addWidget(layoutLabel, 1, 0, 1, 4);
    layout->addWidget(m_layout, 2, 0, 1, 4);
    layout->addWidget(import, 3, 0);
    layout->addWidget(saveButton, 3, 2);
    layout->addWidget(cancel, 3, 3);
    layout->setColumnStretch(1, 1);

    connect(import, &QPushButton::clicked, this, &frmPositivePay::importLayout);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (save())
            close();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    try {
        if (const std::optional<BankAccountRecord> found = m_services.store->accounts().find(m_account)) {
            if (found->limits.positivePayFrom)
                m_threshold->setText(QString::number(*found->limits.positivePayFrom));
            m_layout->setPlainText(found->positivePayLayout);
        }
    } catch (const Failure &failure) {
        tell(failure.description());
    }
    resize(560, 420);
    useAccessKeys(*this);
    cancelOnEscape(*this, [this] { close(); });
}

void frmPositivePay::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

void frmPositivePay::importLayout()
{
    const QString path = m_services.chooseOpenFile(tr("Positive Pay layout"), tr("Layouts (*.json)"));
    if (path.isEmpty())
        return;
    try {
        const QByteArray json = readFile(path, kLargestLayout, tr("The layout file"));
        const PositivePayLayoutReading reading = readPositivePayLayout(json);
        if (!reading.layout) {
            tell(tr("The layout was not loaded:\n%1").arg(reading.problems.join(u'\n')));
            return;
        }
        m_layout->setPlainText(QString::fromUtf8(positivePayLayoutJson(*reading.layout)));
    } catch (const Failure &failure) {
        tell(failure.description());
    }
}

bool frmPositivePay::save()
{
    const QString thresholdText = m_threshold->text().trimmed();
    std::optional<qint64> threshold;
    if (!thresholdText.isEmpty()) {
        static const QRegularExpression kWhole(QStringLiteral("^[0-9]{1,15}$"));
        const qint64 value = thresholdText.toLongLong();
        if (!kWhole.match(thresholdText).hasMatch() || value < 1) {
            tell(tr("The amount to report from is a whole amount of 1 or more, without grouping, such as 50000; "
                    "or empty for none."));
            m_threshold->setFocus();
            return false;
        }
        threshold = value;
    }
    QString layoutText = m_layout->toPlainText().trimmed();
    if (!layoutText.isEmpty()) {
        const PositivePayLayoutReading reading = readPositivePayLayout(layoutText.toUtf8());
        if (!reading.layout) {
            tell(tr("The layout was not saved:\n%1").arg(reading.problems.join(u'\n')));
            m_layout->setFocus();
            return false;
        }
        layoutText = QString::fromUtf8(positivePayLayoutJson(*reading.layout));
    }
    try {
        const std::optional<BankAccountRecord> read = m_services.store->accounts().find(m_account);
        if (!read) {
            tell(tr("The account \"%1\" is no longer there.").arg(m_account));
            return false;
        }
        BankAccountRecord edited = *read;
        edited.limits.positivePayFrom = threshold;
        edited.positivePayLayout = layoutText;
        m_services.store->accounts().update(*read, edited);
    } catch (const Failure &failure) {
        tell(failure.description());
        return false;
    }
    emit saved(m_account);
    return true;
}

} // namespace quillset
