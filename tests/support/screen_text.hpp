#pragma once
// Small helpers for writing the expected screen texts of a test.

#include <string>
#include <string_view>
#include <vector>

namespace geekpath::testing {

// What clearScreen writes.
inline const std::string kClear(121, '\n');

// The lines, each followed by a line feed.
inline std::string lines(const std::vector<std::string_view>& texts) {
  std::string out;
  for (const std::string_view text : texts) {
    out += text;
    out += '\n';
  }
  return out;
}

// What the status panel shows for a computer without extras, of an employee.
struct PanelValues {
  int cpuMhz = 500;
  int gpuModel = 3600;
  int hddGb = 10;
  std::string_view ramGb = "0.125";
  int money = 0;
  int day = 1;
  int reputation = 0;
  int income = 10;
};

inline std::string plainPanel(const PanelValues& v) {
  using std::to_string;
  return lines({
      "Процессор:\t\t|\t деньги:",
      "\t" + to_string(v.cpuMhz) + "Mhz\t\t|\t " + to_string(v.money) + "$",
      "Ведеокарта:\t\t|\t день:",
      "\tGeforce" + to_string(v.gpuModel) + "\t|\t " + to_string(v.day) + " ",
      "Винтчестер:\t\t|\t крутость:",
      "\t" + to_string(v.hddGb) + "GB\t\t|\t " + to_string(v.reputation) + " ",
      "Оперативная память\t|\t зарплата:",
      "\t" + std::string(v.ramGb) + "GB\t\t|\t " + to_string(v.income),
      "-------------------------------------------",
      "DVD-ROM:\t\t|\t Водное охлаждение:",
      "\tнету\t\t|\t нету",
      "Модем:\t\t\t|\t Колонки:",
      "\tнету\t\t| \t нету",
      "Подключкние TV:\t\t|\t Большой монитор:",
      "\tнету\t\t| \t нету",
      "-------------------------------------------",
  });
}

// The panel of the starting computer (but for the disk) with a pay of 10.
inline std::string startingPanel(int money, int day, int reputation = 0, int hddGb = 10) {
  PanelValues v;
  v.money = money, v.day = day, v.reputation = reputation, v.hddGb = hddGb;
  return plainPanel(v);
}

// How many times needle occurs in haystack.
inline std::size_t countOf(std::string_view haystack, std::string_view needle) {
  std::size_t n = 0;
  for (std::size_t at = haystack.find(needle); at != std::string_view::npos;
       at = haystack.find(needle, at + needle.size()))
    ++n;
  return n;
}

}  // namespace geekpath::testing
