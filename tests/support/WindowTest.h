#pragma once

#include "doubles/RecordingPrompter.h"
#include "doubles/RecordingQueue.h"
#include "support/TestDatabase.h"

#include "widgets/AppServices.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace quillset::test {

/// What every window test starts from: a fresh database, the recording prompter and printer, and a
/// fixed today (6 December 2026).
struct WindowFixture
{
    WindowFixture()
    {
        services.today = [] { return QDate(2026, 12, 6); };
        services.printQueue = [recorder = queue] { return recorder; };
        services.programFolder = db.folder();
        if (db.isReady())
            services.store = &db.store();
    }

    TestDatabase db;
    RecordingPrompter prompter;
    std::shared_ptr<RecordingQueue> queue = std::make_shared<RecordingQueue>();
    AppServices services {prompter};
};

template<typename Control = QWidget>
Control *find(const QObject *window, const char *name)
{
    return window->findChild<Control *>(QString::fromLatin1(name));
}

inline void click(const QObject *window, const char *name)
{
    QTest::mouseClick(find<QAbstractButton>(window, name), Qt::LeftButton);
}

/// Types into a field after selecting what it held, as an operator replacing a value does.
inline void retype(const QObject *window, const char *name, const QString &text)
{
    auto *field = find<QLineEdit>(window, name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

/// The text of a field or a label.
inline QString shown(const QObject *window, const char *name)
{
    if (const auto *field = find<QLineEdit>(window, name))
        return field->text();
    return find<QLabel>(window, name)->text();
}

inline int registerRows(const TestDatabase &db)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt();
}

} // namespace quillset::test
