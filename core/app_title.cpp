#include "core/app_title.h"

std::string AppTitleFromPath(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    name = name.substr(0, name.find('.'));
    // Only ASCII letters fold; the bytes of other characters stay whole.
    for (std::size_t i = 1; i < name.size(); ++i)
        if (name[i] >= 'A' && name[i] <= 'Z')
            name[i] = static_cast<char>(name[i] - 'A' + 'a');
    return name;
}
