#pragma once
// The neck's commands: a mouse button on a marker places or takes away a
// note of the current line's chord, and sounds it.
#include <QObject>
#include <functional>

#include "core/app/settings.h"

namespace strumbly {

class ChordCommands;
class ChordSheet;
class NeckMarker;
class NeckView;

struct NeckCommandHooks {
  std::function<bool()> isPlaying;
  // Clears a stop request left from playing, so the note sounds.
  // Runs a command; a failure ends it and is reported.
  std::function<void(const std::function<void()>&)> run;
};

class NeckCommands : public QObject {
  Q_OBJECT
 public:
  // Everything must outlive this.
  NeckCommands(NeckView& neck, ChordSheet& sheet, ChordCommands& edits, NeckCommandHooks hooks,
               QObject* parent = nullptr);

  // Connects the markers' presses and releases to the commands.
  void Connect();
  // The marker look and the labels' visibility, from the settings.
  void ApplySettings(const Settings& settings);

  // A mouse button pressed and released on a marker.
  void MarkerPressed(NeckMarker* marker, Qt::MouseButton button);
  void MarkerReleased(NeckMarker* marker, Qt::MouseButton button);

 private:
  NeckView& neck_;
  ChordSheet& sheet_;
  ChordCommands& edits_;
  NeckCommandHooks hooks_;
};

}  // namespace strumbly
