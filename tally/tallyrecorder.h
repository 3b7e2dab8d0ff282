// What the game table reports into the tally.
#pragma once

#include <QString>

namespace kuvo {

class TallyRecorder {
 public:
  virtual ~TallyRecorder() = default;
  virtual void addgame(const QString& text) = 0;  // "addtomine" or the winner's name
  virtual void addtomineincrease(int column) = 0;
  virtual void addtomineset(int column, const QString& text) = 0;
  virtual QString mylabel3() const = 0;  // the text mylabel_3 shows
};

}  // namespace kuvo
