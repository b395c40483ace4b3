// The player's language: the program's and Qt's translations, and the help page to open.
#pragma once

#include <QString>
#include <QStringList>

class AppLanguage {
public:
    // The languages the desktop asks for, most wanted first ("de-DE", "de", ...), from
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG. None when the message locale is C or POSIX:
    // then, as everywhere on the desktop, the program speaks its own English.
    static QStringList DesktopLanguages();

    // Installs into the application the program's translation for the first of the languages
    // that has one, with Qt's own for its standard texts when those are on the system.
    // English ends the search, as it is the program's own language. Whatever an earlier
    // call installed is removed first. Returns the language installed ("de", "pt_BR"), or
    // an empty name for English.
    static QString Install(const QStringList& languages);

    // help/<language>/index.html in the data folder (ending in '/') for the installed
    // language, tried by its full name and then by its language part; else help/index.html.
    static QString HelpFile(const QString& dataFolder);
};
