#pragma once

// The deal button's captions. The button's click reads the deal's state back
// from its caption, so every procedure that sets one uses these very texts.
// Two-line captions join their words with a lone carriage return.
namespace deal_captions {

constexpr char const* draw = "Тянуть\rкарту";
constexpr char const* interpret = "Интерпре-\rтация";
constexpr char const* start = "Начать\rсдачу";
constexpr char const* wait = "Подождите";

}
