#pragma once
// The exhibit's words in the languages it speaks: the caption of every scene
// (in the menu and in --list) and the credits line under the exhibit's name.
// Italian is the original; the other languages are tables keyed by scene key
// in captions.cpp, where a curator adds a language in one place.

#include <string>
#include <vector>

// The codes of every language, Italian first.
const std::vector<std::string>& languageCodes();
// The same codes written out for a message: "it, en, de, fr, es".
std::string languageList();
// Whether code is one of languageCodes.
bool isLanguageCode(const std::string& code);
// Makes code the language of every caption shown from now on; answers
// false, changing nothing, for a code not in languageCodes.
bool useLanguage(const std::string& code);
// The code of the current language.
std::string languageCode();

// The caption of the scene of that key in the current language: the scene's
// own Italian caption when the language is Italian or has none for it.
std::string captionIn(const std::string& key, const std::string& italian);
// The line under the exhibit's name in the credits.
std::string creditsLine();
// Every caption the language gives, for checking that each fits the menu.
std::vector<std::string> captionsOf(const std::string& code);
