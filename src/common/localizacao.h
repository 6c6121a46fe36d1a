#pragma once
// Brazilian formats whatever the machine's locale, and Qt's own texts
// (standard buttons, file and print dialogs, a text box's context menu) in
// Portuguese from Qt's pt_BR translations, loaded once for the application;
// without them installed Qt's texts stay in English.
void configura_locale();
