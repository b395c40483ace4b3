// Splits a settings value into the items of a comma-separated list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits `value` into items. The rules are generous on purpose, so that a
// hand-edited value with spaces or quotes still reads as the items meant:
//
//  - A blank is any character with a code from 1 to 32 (controls and the space).
//    Blanks before the first item, and around every item, are skipped.
//  - An item that does not start with a double quote runs up to the next comma,
//    blank or the end of the value: "2 0" gives the two items "2" and "0". A
//    double quote inside such an item is an ordinary character.
//  - An item that starts with a double quote runs to the matching closing quote;
//    inside it two double quotes stand for one, and commas and blanks are kept.
//    A closing quote that never comes makes the item run to the end of the value.
//    Text right after a closing quote (not a blank or comma) starts a new item:
//    "\"a\"b" gives "a" and "b".
//  - After an item, blanks are skipped; if a comma follows, it is skipped
//    together with the blanks after it, so "a ,b" and "20, 18" give two items.
//    A comma that is followed directly by another comma gives an empty item
//    ("a,,b" gives "a", "", "b"), and so does a comma that is the very last
//    character of the value ("a," gives "a", ""). A comma followed by blanks
//    only ("a, ") adds no item.
//  - An empty value, or one of blanks only, gives no items.
//  - A character with code 0 ends the value, as it ends a C string.
std::vector<std::string> SplitCommaList(std::string_view value);
