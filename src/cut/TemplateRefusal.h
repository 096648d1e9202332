// Why a template cannot give a piece length and a header, as "Take SIZE from =" and the command
// line both tell it.
#pragma once

#include <string>

#include "wav/TemplateWav.h"

struct TemplateRefusal {
    const char* caption = nullptr;  // none when the template can be used
    std::string text;               // the path, and what was read when that tells why
};

TemplateRefusal templateRefusalOf(const std::string& path, const TemplateWav& read);
