#include "Fonts.h"

#include "core/base/CoreLog.h"

#include <QFontDatabase>
#include <QStringList>

namespace quillset {

namespace {

const QString kTahoma = QStringLiteral("Tahoma");
const QString kFallback = QStringLiteral("DejaVu Sans");

QString &loadedFamily()
{
    static QString family;
    return family;
}

QtMessageHandler previousHandler = nullptr;

// Tahoma has no tables for Indian scripts, and Qt says so on every such text although it then sets
// it in a face that has them, conjuncts and all: a note for the log, not a warning on a clerk's or
// a script's screen.
void keepScriptFallbackInTheLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool fromQtsDefault = !context.category || qstrcmp(context.category, "default") == 0;
    if (type == QtWarningMsg && fromQtsDefault
        && QStringView(message).trimmed().startsWith(QLatin1String("OpenType support missing for"))) {
        qCDebug(lcLayout, "%s", qUtf8Printable(message.trimmed()));
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void loadChequeFonts()
{
    if (!loadedFamily().isEmpty())
        return;
    previousHandler = qInstallMessageHandler(keepScriptFallbackInTheLog);
    bool regular = false;
    for (const QString &file :
         {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"), QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")}) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(kTahoma))
            regular = true;
    }
    if (regular || QFontDatabase::families().contains(kTahoma)) {
        loadedFamily() = kTahoma;
        return;
    }
    loadedFamily() = kFallback;
    qCWarning(lcLayout,
              "the Tahoma font (Debian package fonts-wine) is not installed; cheques are set in %s, so texts may "
              "be a little wider or narrower than on a Tahoma cheque.",
              qUtf8Printable(kFallback));
}

QString chequeFontFamily()
{
    loadChequeFonts();
    return loadedFamily();
}

} // namespace quillset
