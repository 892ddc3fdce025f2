#include "shell/art.hpp"

namespace geekpath {

// A home computer: monitor, stand and keyboard.
const std::array<std::string_view, 29> kPicture = {
    "\t  SSSSSSSSSSSSSSSSSSSS",
    "\t SS                  SS",
    "\t S  SSSSSSSSSSSSSSSS  S",
    "\t S  S              S  S",
    "\t S  S  SS          S  S",
    "\t S  S    SS        S  S",
    "\t S  S  SS   SSSS   S  S",
    "\t S  S              S  S",
    "\t S  S  SSSSSSSSS   S  S",
    "\t S  S              S  S",
    "\t S  S  SSSSS       S  S",
    "\t S  S              S  S",
    "\t S  S  SSSSSSS     S  S",
    "\t S  S              S  S",
    "\t S  SSSSSSSSSSSSSSSS  S",
    "\t S                    S",
    "\t S           SS   SS  S",
    "\t SS                  SS",
    "\t  SSSSSSSSSSSSSSSSSSSS",
    "\t         SSSSSS",
    "\t         SSSSSS",
    "\t     SSSSSSSSSSSSSS",
    "\t",
    "\tSSSSSSSSSSSSSSSSSSSSSSSS",
    "\tS S S S S S S S S S S SS",
    "\tSS S S S S S S S S S S S",
    "\tS S S S S S S S S S S SS",
    "\tS    SSSSSSSSSSSSSS    S",
    "\tSSSSSSSSSSSSSSSSSSSSSSSS",
};

// Rows 4 to 11 spell GEEK, rows 12 to 20 PATH; the figure 3 stands from column 44 on.
const std::array<std::string_view, 20> kTitleBanner = {
    "\t                                            3333333333",
    "\t               ZAVEK GAMES                 333333333333",
    "\t                  present                  333     3333",
    "\t  SSSSS   SSSSSSS  SSSSSSS  SS   SS                3333",
    "\t SS   SS  SS       SS       SS  SS                 3333",
    "\t SS       SS       SS       SS SS                 3333",
    "\t SS  SSS  SSSSS    SSSSS    SSSS               333333",
    "\t SS   SS  SS       SS       SS SS              33333",
    "\t SS   SS  SS       SS       SS  SS             333333",
    "\t  SSSSS   SSSSSSS  SSSSSSS  SS   SS                3333",
    "\t                                                    3333",
    "\t SSSSSS     SSS    SSSSSSS  SS   SS    ТМ           3333",
    "\t SS   SS   SS SS     SSS    SS   SS                 3333",
    "\t SS   SS  SS   SS    SSS    SS   SS                 3333",
    "\t SSSSSS   SS   SS    SSS    SSSSSSS                3333",
    "\t SS       SSSSSSS    SSS    SS   SS        333     3333",
    "\t SS       SS   SS    SSS    SS   SS        333333333333",
    "\t SS       SS   SS    SSS    SS   SS         3333333333",
    "\t                                               3333",
    "\t SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS",
};

}  // namespace geekpath
