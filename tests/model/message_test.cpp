#include <model/message.h>
#include <model/modelstreamables.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <gtest/gtest.h>

#include <memory>

TEST(Message, KeepsACopyOfItsTextThroughTheStream)
{
    registerModelStreamables();
    std::string text = "Voltage Tag Vout is undefined";
    const Message message(text);
    text = "changed";
    EXPECT_EQ(message.text(), "Voltage Tag Vout is undefined");
    EXPECT_EQ(Message().text(), "");

    opstream os;
    os.writePointer(&message);
    ipstream is(os.bytes());
    const std::unique_ptr<Message> read = is.readOwnedPointer<Message>();
    ASSERT_NE(read, nullptr) << is.errorText();
    EXPECT_EQ(read->text(), "Voltage Tag Vout is undefined");
}
