#pragma once

namespace tavrisk {

// The refer-a-friend form's five fields in capture order.
enum class ReferField { Name, Email, Message, FriendName, FriendEmail };
inline constexpr int ReferFieldCount = 5;

} // namespace tavrisk
