#pragma once

#include <cstdlib>
#include <memory>

namespace ostrel {

// An xcb reply, freed with the owner.
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

}  // namespace ostrel
