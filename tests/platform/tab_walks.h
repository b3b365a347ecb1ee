#pragma once
// Where Tab stops in each window of the catalogue, the same on every desktop backend: as the window is read, top
// to bottom and left to right, and of the radio buttons at the checked one.
#include "ui/controls.h"

#include <string>
#include <vector>

namespace kedravo::test {

struct TabWalk {
    int window;
    int checked; // the radio button checked before walking, or -1
    std::vector<std::string> stops;

    // The stops from the first, and round to the first again.
    std::vector<std::string> roundTrip() const {
        std::vector<std::string> visited = stops;
        visited.push_back(stops.front());
        return visited;
    }
};

inline const std::vector<TabWalk>& tabWalks() {
    using namespace ui;
    static const std::vector<TabWalk> walks{
        {MAINFORM,
         RADIO1,
         {"EDIT1", "COMBO1", "RADIO1", "BUTTON1", "BUTTON2", "EDIT2", "COMBO5", "BUTTON14", "BUTTON17", "BUTTON10",
          "CHECK1"}},
        {MAINFORM,
         RADIO2,
         {"EDIT1", "COMBO1", "RADIO2", "BUTTON1", "BUTTON2", "EDIT2", "COMBO5", "BUTTON14", "BUTTON17", "BUTTON10",
          "CHECK1"}},
        {FORM2, -1, {"BUTTON5", "EDIT3", "EDIT4", "COMBO4", "LIST1", "BUTTON3", "BUTTON4"}},
        {FORM3, -1, {"COMBO2", "EDIT5", "BUTTON6", "BUTTON7"}},
        {FORM4, -1, {"COMBO3", "EDIT6", "EDIT8", "EDIT7", "BUTTON8", "BUTTON11", "BUTTON9"}},
        {FORM5, -1, {"COMBO6", "LIST2", "BUTTON12", "BUTTON13"}},
        {FORM6, -1, {"LIST3", "COMBO7", "EDIT9", "BUTTON15", "BUTTON16"}},
    };
    return walks;
}

} // namespace kedravo::test
