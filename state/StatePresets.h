// The preset loaders of the eleven built-in states: each relabels the state screen and fills its
// tables and allowance columns with the 2009 figures its method reads. They change the screen
// only; the next read of the screen takes the values into the settings. Every loader starts from
// the layout of a fresh screen, so what one state greyed or relabelled never carries over into
// another's.
#pragma once

namespace tallyrin {

class StateBoxes;

void arizonaPreset(StateBoxes& screen);
void louisianaPreset(StateBoxes& screen);
void iowaPreset(StateBoxes& screen);
void missouriPreset(StateBoxes& screen); // by the state status, frequency and "Spouse Works"
void massachusettsPreset(StateBoxes& screen);
void oregonPreset(StateBoxes& screen); // by the pay frequency
void utahPreset(StateBoxes& screen);   // by the pay frequency
void alabamaPreset(StateBoxes& screen);
void kentuckyPreset(StateBoxes& screen); // by the pay frequency
void wisconsinPreset(StateBoxes& screen);
void northCarolinaPreset(StateBoxes& screen);

} // namespace tallyrin
