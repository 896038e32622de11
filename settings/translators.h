#pragma once

class QLocale;

// Installs the translations for locale: the program's own (built in) and Qt's (its buttons and
// file dialogs) when the system has them. English is the source language; its built-in file
// holds only the plural forms ("1 picture", "2 pictures") and stands under every other.
// Call once, after the application object is made and before any window or message.
void installTranslators(const QLocale &locale);
