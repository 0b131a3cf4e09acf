#pragma once
// Makes the file manager open song files with this program, per user, the
// freedesktop way: the file type in $XDG_DATA_HOME/mime/packages, the desktop
// entry in $XDG_DATA_HOME/applications, the user's default application in
// $XDG_CONFIG_HOME/mimeapps.list, and the desktop's caches brought up to date
// by update-mime-database and update-desktop-database where they exist.
#include <QString>

#include "core/app/file_association_text.h"

namespace strumbly {

// Where a user's association lives.
struct AssociationFolders {
  QString dataHome;    // $XDG_DATA_HOME, ~/.local/share when unset
  QString configHome;  // $XDG_CONFIG_HOME, ~/.config when unset
};
AssociationFolders UserAssociationFolders();

// What the association needs besides the type: the names of its files.
struct AssociationFiles {
  QString packageName = "strumbly.xml";      // under mime/packages
  QString desktopName = "strumbly.desktop";  // under applications
};

// The seconds each cache program may take before it is stopped.
inline constexpr int kCacheUpdateSeconds = 10;

// Writes the association for the type. A file that already holds the right
// text is left alone, and a cache is only rebuilt when its file changed (or
// the cache is missing). Nothing is written when the extension or the
// program path is empty; then the result is false. A folder that cannot be
// made throws CommandError "Failed to create key FOLDER", a file that cannot
// be written (or a cache program that fails) "Failed to set data for 'PATH'";
// what was written before stays.
bool WriteFileAssociation(const FileTypeInfo& type, const AssociationFolders& folders,
                          const AssociationFiles& files = {});

// The program's own association: ".sly" files, type application/x-strumbly,
// "Strumbly File", opened by programPath (by default the running program),
// for the user in the XDG folders. Called at start-up when "Associate files"
// is on and when the settings dialog is confirmed with it on. Throws
// CommandError as WriteFileAssociation does.
void AssociateSongFiles(const QString& programPath = {});

}  // namespace strumbly
