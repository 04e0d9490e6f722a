#pragma once

#include <QString>
#include <string_view>

// The core writes its texts in English, with no Qt; they are translated here, where they
// are shown, under the context "Core". CoreTexts.cpp lists every one of them for lupdate.
QString CoreText(std::string_view english);
