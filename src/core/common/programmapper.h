#pragma once
// The program's folders. Everything the program reads or writes lies below
// `programdir`; the folder is laid down by the install step, never by the
// program itself.
#include <QString>

struct TProgramMapper {
    QString programdir;  // the data folder
    QString formeldir;   // formula files
    QString optDir;      // options files (ends in "/")
    QString optFilnavn;  // the main window's options file
    QString strukturDir; // information structures

    // Builds every folder from the given data folder.
    static TProgramMapper fra(const QString& programdir);
    // "C:/Tavlixmappe" on Windows, "Tavlixmappe" in the home folder elsewhere.
    static QString standardProgramdir();
};
