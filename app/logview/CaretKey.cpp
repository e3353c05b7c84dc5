#include "app/logview/CaretKey.h"

namespace zor {

CaretMotion caretMotion(CaretKey key, bool control) {
  switch (key) {
    case CaretKey::Left:
      return control ? CaretMotion::PreviousWord : CaretMotion::PreviousCharacter;
    case CaretKey::Right:
      return control ? CaretMotion::NextWord : CaretMotion::NextCharacter;
    case CaretKey::Up:
      return CaretMotion::PreviousRow;
    case CaretKey::Down:
      return CaretMotion::NextRow;
    case CaretKey::PageUp:
      return CaretMotion::PreviousPage;
    case CaretKey::PageDown:
      return CaretMotion::NextPage;
    case CaretKey::Home:
      return control ? CaretMotion::Start : CaretMotion::RowStart;
    case CaretKey::End:
      return control ? CaretMotion::End : CaretMotion::RowEnd;
  }
  return CaretMotion::NextCharacter;
}

}  // namespace zor
