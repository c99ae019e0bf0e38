#include "framework/resources.h"

#include "page.h"
#include "web_resources.h"

HICON AfxLoadIcon(UINT id) {
    static HICON__ icons[std::size(web::kIconResources)];
    for (std::size_t i = 0; i < std::size(web::kIconResources); ++i) {
        if (web::kIconResources[i].id == id) {
            icons[i].file = web::kIconResources[i].file;
            return &icons[i];
        }
    }
    return nullptr;
}

std::string AfxLoadString(UINT id) {
    for (const web::StringResource& string : web::kStringResources) {
        if (string.id == id) {
            return string.text;
        }
    }
    return std::string();
}
