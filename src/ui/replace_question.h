#pragma once
// The save dialogs ask about a name as typed. When the file is then written
// under another name (its extension added), a file of that name is replaced
// only if the user says so.
#include <QFileInfo>
#include <QString>

#include "platform/dialogs.h"

namespace strumbly {

// True when the save may go on: the name is the one the dialog asked about,
// no file has it, or the user agreed to replace it.
inline bool MayReplaceRenamed(QWidget* parent, const QString& chosen, const QString& name) {
  if (name == chosen || !QFileInfo::exists(name)) return true;
  return dialogs().Message(parent, MessageKind::Warning,
                           QString("%1 already exists.\nDo you want to replace it?").arg(name),
                           MessageButtons::YesNo) == MessageResult::Yes;
}

}  // namespace strumbly
