#include "workstation/messages/message_list.h"

#include "common/date_format.h"

namespace ostrel {

std::string MessageCountText(int count) {
    return std::to_string(count) + (count == 1 ? " Message" : " Messages");
}

std::string RemoteMessageBody(const RemoteMessageTexts& message) {
    return message.Body + "\r\n\r\nFrom email: " + message.Email;
}

std::string MessageReaderText(const TMessageObject& message) {
    return "From   : " + message.From + "\r\nSubject: " + message.Subject +
           "\r\nTime   : " + FormatShortDate(message.Time) + " " + FormatLongTime(message.Time) +
           "\r\n\r\n\r\n" + message.Body;
}

}  // namespace ostrel
