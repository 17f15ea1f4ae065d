// The preset loaders of the eleven built-in states: each relabels the state screen and fills its
// tables and allowance columns with the 2009 figures its method reads. They change the screen
// only; the next read of the screen takes the values into the settings. Every loader starts from
// the layout of a fresh screen, so what one state greyed or relabelled never carries over into
// another's.
#pragma once

namespace tallyrin {

class DialogStateScreen;

void arizonaPreset(DialogStateScreen& screen);
void louisianaPreset(DialogStateScreen& screen);
void iowaPreset(DialogStateScreen& screen);
void missouriPreset(DialogStateScreen& screen); // by the state status, frequency and "Spouse Works"
void massachusettsPreset(DialogStateScreen& screen);
void oregonPreset(DialogStateScreen& screen); // by the pay frequency
void utahPreset(DialogStateScreen& screen);   // by the pay frequency
void alabamaPreset(DialogStateScreen& screen);
void kentuckyPreset(DialogStateScreen& screen); // by the pay frequency
void wisconsinPreset(DialogStateScreen& screen);
void northCarolinaPreset(DialogStateScreen& screen);

} // namespace tallyrin
