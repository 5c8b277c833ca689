#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/packed_strings.h"

// The order of file names in the lists: lstrcmpiW's, for the user's locale.

// Puts the names in that order.
void SortNames(std::vector<std::wstring>& names);
void SortNames(TPackedStrings& names);

// The name's sort key for the user's locale with letter case ignored: keys
// compare, byte by byte, as lstrcmpiW compares their names. Names of plain
// characters alone have it worked out here, once a large folder has been
// sorted; the system is asked for the others.
std::string NameSortKey(std::wstring_view name);
