#pragma once
// The program folder of an installed program: the data folder's "Program"
// is brought up to date from the content installed beside the program, as
// the run command's install does for a build.
#include <QString>
#include <QStringList>

namespace kv {

// Copies every file of the folder kilde into maal, folders and all, where
// the copy is missing or differs in size or time. Nothing else in maal is
// touched, so a file the user put there stays. Gives the failures as
// Danish texts, one per file.
QStringList opdaterProgrammappe(const QString& kilde, const QString& maal);

} // namespace kv
