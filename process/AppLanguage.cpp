// The player's language: the program's and Qt's translations, and the help page to open.
#include "AppLanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// The installed translators are children of the application under this name.
const char* const translatorName = "AppLanguageTranslator";
// The program's translations are compiled in, as zingaroo_<language>.qm.
const char* const translationFolder = ":/i18n";

QString installed;

QString HelpPage(const QString& dataFolder, const QString& language) {
    return dataFolder + QStringLiteral("help/") + language + QStringLiteral("/index.html");
}

// Loads the translation file and hands it to the application, which owns it from then on;
// nothing when the file cannot be loaded.
const QTranslator* InstallFile(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return nullptr;
    translator->setObjectName(QLatin1String(translatorName));
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace

QStringList AppLanguage::DesktopLanguages() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (value.isEmpty())
            continue;
        if (value == QLatin1String("C") || value.startsWith(QLatin1String("C.")) ||
            value == QLatin1String("POSIX"))
            return {};
        return QLocale::system().uiLanguages();
    }
    return {};
}

QString AppLanguage::Install(const QStringList& languages) {
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(
        QLatin1String(translatorName), Qt::FindDirectChildrenOnly));
    installed.clear();

    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_")))
            break;
        // The loader also tries the name without its last parts: de_DE finds zingaroo_de.
        const QTranslator* own =
            InstallFile(QStringLiteral("zingaroo_") + language, QLatin1String(translationFolder));
        if (!own)
            continue;
        installed = own->language();
        InstallFile(QStringLiteral("qtbase_") + installed,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        break;
    }
    return installed;
}

QString AppLanguage::HelpFile(const QString& dataFolder) {
    if (!installed.isEmpty()) {
        for (const QString& language : {installed, installed.section(QLatin1Char('_'), 0, 0)}) {
            const QString page = HelpPage(dataFolder, language);
            if (QFileInfo(page).isFile())
                return page;
        }
    }
    return dataFolder + QStringLiteral("help/index.html");
}
