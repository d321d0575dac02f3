#include "Card.h"

#include <cstdio>

std::string face_picture(CardIndex card)
{
    char name[40];
    std::snprintf(name, sizeof name, ":/main_window/face_%02d.jpg", card);
    return name;
}

std::string back_picture(int design) { return ":/main_window/back_" + std::to_string(design) + ".jpg"; }
