#include "app/logview/CaretKey.h"

#include <gtest/gtest.h>

namespace zor::test {
namespace {

struct Row {
  CaretKey key;
  CaretMotion plain;
  CaretMotion control;
};

const Row kRows[] = {
    {CaretKey::Left, CaretMotion::PreviousCharacter, CaretMotion::PreviousWord},
    {CaretKey::Right, CaretMotion::NextCharacter, CaretMotion::NextWord},
    {CaretKey::Up, CaretMotion::PreviousRow, CaretMotion::PreviousRow},
    {CaretKey::Down, CaretMotion::NextRow, CaretMotion::NextRow},
    {CaretKey::PageUp, CaretMotion::PreviousPage, CaretMotion::PreviousPage},
    {CaretKey::PageDown, CaretMotion::NextPage, CaretMotion::NextPage},
    {CaretKey::Home, CaretMotion::RowStart, CaretMotion::Start},
    {CaretKey::End, CaretMotion::RowEnd, CaretMotion::End},
};

TEST(CaretKeyTest, CtrlGoesByWordsAndToTheEndsOfTheLog) {
  for (const Row& row : kRows) {
    EXPECT_EQ(caretMotion(row.key, false), row.plain) << static_cast<int>(row.key);
    EXPECT_EQ(caretMotion(row.key, true), row.control) << static_cast<int>(row.key);
  }
}

}  // namespace
}  // namespace zor::test
