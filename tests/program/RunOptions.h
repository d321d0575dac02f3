#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// Which seeds a random test program runs and how many events each: from the
// build's defaults, overridden by --first-seed=, --seeds=, --events=, or
// --seed= for one seed alone (to replay it).
struct RunOptions {
    std::uint64_t first_seed { 1 };
    std::uint64_t seeds { 1 };
    long events { 1000 };
    std::string program { "random_test" };

    // Takes the options it knows out of args and leaves the others.
    void parse(std::vector<std::string>& args)
    {
        if (!args.empty())
            program = args.front();
        std::vector<std::string> rest;
        for (auto const& arg : args) {
            if (take(arg, "--seed=", first_seed))
                seeds = 1;
            else if (!take(arg, "--first-seed=", first_seed) && !take(arg, "--seeds=", seeds)
                && !take(arg, "--events=", events))
                rest.push_back(arg);
        }
        args = rest;
    }

    std::string replay_command(std::uint64_t seed) const
    {
        return program + " --seed=" + std::to_string(seed) + " --events=" + std::to_string(events);
    }

private:
    template<class T>
    static bool take(std::string const& arg, std::string const& flag, T& value)
    {
        if (!arg.starts_with(flag))
            return false;
        value = static_cast<T>(std::strtoll(arg.c_str() + flag.size(), nullptr, 10));
        return true;
    }
};
