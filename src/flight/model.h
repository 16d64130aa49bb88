// SPDX-License-Identifier: MIT
// The two models a flight can run in.
#pragma once

#include <optional>
#include <string_view>

namespace purzo {

// Classic: the program as designed, its rotation a table of increments per frame. Exact: a rigid
// body turning about its true centre of mass with its angular momentum conserved.
enum class Model { Classic, Exact };

// "classic" and "exact", as the command lines take them.
constexpr std::string_view ModelName(Model model) {
    return model == Model::Exact ? "exact" : "classic";
}
constexpr std::optional<Model> ParseModel(std::string_view name) {
    if (name == "classic") {
        return Model::Classic;
    }
    if (name == "exact") {
        return Model::Exact;
    }
    return std::nullopt;
}

} // namespace purzo
