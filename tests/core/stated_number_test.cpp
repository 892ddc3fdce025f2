// The numbers a table's text states, as the compile-time checks of the tables read them.

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "core/stated_number.hpp"

namespace geekpath {
namespace {

TEST(StatedNumber, FirstAndLastOfATable) {
  struct Case {
    std::string_view text;
    std::optional<double> first;
    std::optional<double> last;
  } cases[] = {
      {"Geforce3600 \t\t 1", 3600, 1},
      {"0.125 GB \t\t 1", 0.125, 1},
      {"Вы купили 1.0 GB оперативки", 1.0, 1.0},
      {"\t1.Деньги", 1, 1},
      {"3.Увеличить средний клуб(стоим.1700)", 3, 1700},
      {"\t 1-6", 1, 6},
      {"2.LineAge 3", 2, 3},
      {"Вы выиграли кибер-турнир.деньги+500$", 500, 500},
      {"10.Сохранение \t\t\t 10", 10, 10},
      {"число 12.", 12, 12},
      {"\t\t\t Компьютерный мир", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(firstNumber(c.text), c.first) << c.text;
    EXPECT_EQ(lastNumber(c.text), c.last) << c.text;
  }
  static_assert(firstNumber("стоить 30.") == 30 && firstNumber("стоить 30.") != 31);
}

}  // namespace
}  // namespace geekpath
