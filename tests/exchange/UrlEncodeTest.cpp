#include "exchange/Credentials.h"
#include "exchange/UrlEncode.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char *plain;
    const char *encoded;
};

class UrlEncodeCases : public ::testing::TestWithParam<EncodeCase> {
};

} // namespace

TEST_P(UrlEncodeCases, EncodesEveryByteButLettersAndDigits)
{
    EXPECT_EQ(UrlEncode(QString::fromUtf8(GetParam().plain)), QString::fromLatin1(GetParam().encoded));
}

INSTANTIATE_TEST_SUITE_P(
    Values, UrlEncodeCases,
    ::testing::Values(EncodeCase{"", ""}, EncodeCase{" ", "%20"}, EncodeCase{"ä", "%E4"}, EncodeCase{"-", "%2D"},
                      EncodeCase{"~", "%7E"}, EncodeCase{"._", "%2E%5F"},
                      EncodeCase{"AZaz09", "AZaz09"}, EncodeCase{"Müller & Co.", "M%FCller%20%26%20Co%2E"},
                      EncodeCase{"12,5", "12%2C5"}, EncodeCase{"€", "%80"}, EncodeCase{"a\r\nb", "a%0D%0Ab"},
                      EncodeCase{"+%=&?#", "%2B%25%3D%26%3F%23"}));

TEST(Credentials, PasswordsAndNamesTravelPercentEncoded)
{
    const Credentials account(QStringLiteral("Jörg Weiß"), QStringLiteral("a&b=c%d"));
    EXPECT_EQ(account.query(QStringLiteral("user"), QStringLiteral("pass")),
              QStringLiteral("user=J%F6rg%20Wei%DF&pass=a%26b%3Dc%25d"));
    EXPECT_EQ(account.formFields(),
              QStringList({QStringLiteral("benutzername=J%F6rg%20Wei%DF"), QStringLiteral("passwort=a%26b%3Dc%25d")}));
}
