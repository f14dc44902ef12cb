#pragma once
// The files installed in the program folder "C:\Kvistlund\Program": their
// names and folders. The program only reads, copies or hands them on.
#include <QString>
#include <QStringList>

namespace kv::programfiler {

// Folders under the program folder.
inline const QString egenskaberMappe = u"Egenskaber"_qs;
inline const QString lydMappe = u"Alarmlydfiler"_qs;
inline const QString scriptMappe = u"scripts"_qs;
inline const QString appletMappe = u"Window applets"_qs;
inline const QString wmiMappe = u"Programfiler"_qs;
inline const QString infoMappe = u"Information"_qs;
inline const QString ikonMappe = u"Ikoner"_qs;

// In "Egenskaber": optional default settings and the sample web groups that a
// new user gets a copy of.
inline const QString standardEgenskaber = u"MainEgenskaber.txt"_qs;
inline const QStringList webskabeloner = {
    u"webliste Videnskab.txt"_qs, u"webliste Underholdning.txt"_qs, u"webgruppe.txt"_qs};

// The alarm sounds, each + ".wav".
inline const QStringList alarmlyde = {
    u"Beeth9"_qs, u"DingDong"_qs, u"Klokkespil"_qs, u"Melodi"_qs, u"Ohhnoo"_qs,
    u"Promenade"_qs, u"Ringeklokke"_qs, u"Stortromme"_qs, u"Strengefanfare"_qs,
    u"Telefonlyd"_qs, u"Tromme"_qs, u"Trumpet"_qs, u"Zylo"_qs};

inline const QStringList scripts = {
    u"datediff.vbs"_qs, u"createShortcut.vbs"_qs, u"createShortcutMappe.vbs"_qs};

inline const QStringList wmiScripts = {
    u"_wmiClasses.wsf"_qs, u"_udskrivKode.wsf"_qs, u"_udskrivKodeHTML.wsf"_qs};

// Extensions with an icon of their own, and the four group icons.
inline const QStringList ikonTyper = {
    u"rtf"_qs, u"vbs"_qs, u"wsf"_qs, u"js"_qs, u"html"_qs, u"asp"_qs, u"inc"_qs, u"asa"_qs,
    u"css"_qs, u"bat"_qs, u"ps1"_qs, u"txt"_qs, u"xml"_qs, u"xsd"_qs, u"jpg"_qs, u"png"_qs,
    u"bmp"_qs, u"ico"_qs, u"gif"_qs, u"mp3"_qs, u"m4a"_qs, u"mp4"_qs, u"m4v"_qs, u"avi"_qs,
    u"mpg"_qs, u"wav"_qs, u"exe"_qs, u"lnk"_qs, u"iss"_qs, u"pas"_qs};
inline const QStringList ikonGrupper = {u"film"_qs, u"musik"_qs, u"billeder"_qs, u"ukendt"_qs};

// "txt" gives "txt_ikon.ico".
inline QString ikonFilnavn(const QString& type) { return type + u"_ikon.ico"_qs; }

} // namespace kv::programfiler
