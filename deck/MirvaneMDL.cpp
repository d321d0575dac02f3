#include "MirvaneMDL.h"

#include <array>

namespace {

// One row per card number, in the order of the numbering.
std::array<char const*, card_count> const meanings {
    "Веселая дорога", // six of diamonds
    "Поздняя несчастливая дорога",
    "Бесполезная дорога",
    "Веселая дорога", // six of hearts: the same road as the six of diamonds
    "Неверность", // seven of diamonds
    "Ссора",
    "Известие из казенного дома",
    "Веселье",
    "Ненависть", // eight of diamonds
    "Измена, печаль",
    "Обман в надежде",
    "Удовольствие",
    "Препятствие", // nine of diamonds
    "Потеря друга",
    "Маленькие деньги",
    "Любовное объяснение",
    "Подарок", // ten of diamonds
    "Болезни",
    "Большие деньги, наследство",
    "Известие о любви",
    "Денежные хлопоты", // jack of diamonds
    "Сплетни, неприятные хлопоты",
    "Удача в предприятиях",
    "Приятный гость",
    "Молодая девушка, изменчивая ветреная женщина", // queen of diamonds
    "Злая женщина, сплетница",
    "Замужняя женщина, верная приятельница",
    "Невеста",
    "Молодой человек, жених, несчастный любовник", // king of diamonds
    "Враг",
    "Женатый человек, верный друг",
    "Страстный человек",
    "Письмо", // ace of diamonds
    "Печальное письмо, известие о смерти",
    "Ложный слух",
    "Любовное письмо",
};

}

std::string CardMeaning(CardIndex const& card)
{
    if (card >= card_count)
        return {};
    return meanings[card];
}
