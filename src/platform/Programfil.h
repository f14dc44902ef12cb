#pragma once
// The programs of the program list, by program path: desktop entries
// (Type=Application) and files the user may execute (an ELF program or a
// "#!" script). A folder is never a program.
#include "DesktopEntry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

enum class Programart { Ingen, Skrivebordsfil, Eksekverbar };

Programart programart(const QString& sti);
// The application entry a program path names; nothing for anything else.
std::optional<DesktopEntry> skrivebordsfil(const QString& sti);
// The launches that start the program with these files (program paths, in
// their order), each an argument list for the shell service. Empty when the
// path names no program.
QList<QStringList> programKommandoer(const QString& sti, const QStringList& filer);

} // namespace kv
