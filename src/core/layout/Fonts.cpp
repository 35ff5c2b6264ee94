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

} // namespace

void loadChequeFonts()
{
    if (!loadedFamily().isEmpty())
        return;
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
