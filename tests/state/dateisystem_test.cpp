// The system calls behind saving and loading: every failure comes back as its errno, a call a
// signal interrupts is repeated, and descriptor 0 is a file like any other.
#include <fcntl.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ordnertest.h"
#include "state/speicherdatei.h"

using namespace kabrolux;
namespace fs = std::filesystem;

namespace {

class Systemaufrufe : public test::OrdnerTest {
  protected:
    Dateisystem sys;
};

// Interrupts the blocking call that follows once, after 20 ms, by a signal whose handler does
// not restart it. Other threads block the signal, so it reaches this one.
class Unterbrechung {
  public:
    Unterbrechung() {
        struct sigaction neu {};
        neu.sa_handler = [](int) {};
        sigemptyset(&neu.sa_mask);
        sigaction(SIGALRM, &neu, &alt_);
    }
    ~Unterbrechung() { sigaction(SIGALRM, &alt_, nullptr); }
    // Runs `f` on a thread that never takes the signal.
    std::thread nebenbei(std::function<void()> f) {
        sigset_t alarm, vorher;
        sigemptyset(&alarm);
        sigaddset(&alarm, SIGALRM);
        pthread_sigmask(SIG_BLOCK, &alarm, &vorher);
        std::thread t(std::move(f));
        pthread_sigmask(SIG_SETMASK, &vorher, nullptr);
        return t;
    }
    void gleich() {
        itimerval zeit{};
        zeit.it_value.tv_usec = 20'000;
        setitimer(ITIMER_REAL, &zeit, nullptr);
    }

  private:
    struct sigaction alt_ {};
};

}  // namespace

TEST_F(Systemaufrufe, FehlerKommenAlsErrnoZurueck) {
    const std::string datei = (ordner / "a").string();
    int fd = -1;
    ASSERT_EQ(sys.anlegen(datei, fd), 0);
    EXPECT_GE(fd, 0);
    int zweites = -1;
    EXPECT_EQ(sys.anlegen(datei, zweites), EEXIST);
    EXPECT_EQ(sys.anlegen((ordner / "fehlt" / "a").string(), zweites), ENOENT);
    EXPECT_EQ(sys.oeffnen((ordner / "fehlt").string(), zweites), ENOENT);

    const uint8_t daten[3] = {1, 2, 3};
    uint8_t puffer[3] = {};
    std::size_t anzahl = 99;
    EXPECT_EQ(sys.lesen(fd, puffer, 3, anzahl), EBADF);  // opened for writing only
    EXPECT_EQ(anzahl, 0u);
    anzahl = 99;
    EXPECT_EQ(sys.schreiben(fd, daten, 3, anzahl), 0);
    EXPECT_EQ(anzahl, 3u);
    EXPECT_EQ(sys.synchronisieren(fd), 0);
    EXPECT_EQ(sys.schliessen(fd), 0);

    ASSERT_EQ(sys.oeffnen(datei, fd), 0);
    anzahl = 99;
    EXPECT_EQ(sys.schreiben(fd, daten, 3, anzahl), EBADF);  // opened for reading only
    EXPECT_EQ(anzahl, 0u);
    EXPECT_EQ(sys.lesen(fd, puffer, 3, anzahl), 0);
    EXPECT_EQ(anzahl, 3u);
    EXPECT_EQ(puffer[2], 3);
    EXPECT_EQ(sys.lesen(fd, puffer, 3, anzahl), 0);  // the end of the file
    EXPECT_EQ(anzahl, 0u);
    EXPECT_EQ(sys.schliessen(fd), 0);

    EXPECT_EQ(sys.synchronisieren(fd), EBADF);
    EXPECT_EQ(sys.schliessen(fd), EBADF);
    EXPECT_EQ(sys.umbenennen(datei, (ordner / "b").string()), 0);
    EXPECT_EQ(sys.umbenennen(datei, (ordner / "c").string()), ENOENT);
    EXPECT_EQ(sys.entfernen((ordner / "b").string()), 0);
    EXPECT_EQ(sys.entfernen((ordner / "b").string()), ENOENT);
}

// A program started with its standard input closed gets descriptor 0 for the first file.
TEST_F(Systemaufrufe, DeskriptorNullIstEineDatei) {
    const int eingabe = dup(0);
    ASSERT_GE(eingabe, 0);
    close(0);
    int fd = -1;
    const int angelegt = sys.anlegen((ordner / "a").string(), fd);
    const int angelegtFd = fd;
    if (fd >= 0) close(fd);
    const int geoeffnet = sys.oeffnen((ordner / "a").string(), fd);
    const int geoeffnetFd = fd;
    if (fd >= 0) close(fd);
    dup2(eingabe, 0);
    close(eingabe);
    EXPECT_EQ(angelegtFd, 0);
    EXPECT_EQ(angelegt, 0);
    EXPECT_EQ(geoeffnetFd, 0);
    EXPECT_EQ(geoeffnet, 0);
}

// A read or write that a signal interrupts before it moved anything is repeated. A call that
// succeeds is not, whatever errno holds from before.
TEST_F(Systemaufrufe, UnterbrochenerAufrufWirdWiederholt) {
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    Unterbrechung u;

    // reading: the data comes long after the signal
    std::thread schreiber = u.nebenbei([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        const uint8_t x = 42;
        ASSERT_EQ(write(rohr[1], &x, 1), 1);
    });
    uint8_t gelesen = 0;
    std::size_t anzahl = 0;
    u.gleich();
    EXPECT_EQ(sys.lesen(rohr[0], &gelesen, 1, anzahl), 0);
    schreiber.join();
    EXPECT_EQ(anzahl, 1u);
    EXPECT_EQ(gelesen, 42);

    // writing: the pipe is full until a reader empties it, long after the signal
    fcntl(rohr[1], F_SETFL, O_NONBLOCK);
    const std::vector<uint8_t> block(4096, 7);
    std::size_t gefuellt = 0;
    for (ssize_t r; (r = write(rohr[1], block.data(), block.size())) > 0;)
        gefuellt += static_cast<std::size_t>(r);
    fcntl(rohr[1], F_SETFL, 0);
    std::thread leser = u.nebenbei([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        std::vector<uint8_t> weg(gefuellt);
        std::size_t n = 0;
        while (n < gefuellt) {
            const ssize_t r = read(rohr[0], weg.data() + n, gefuellt - n);
            ASSERT_GT(r, 0);
            n += static_cast<std::size_t>(r);
        }
    });
    const uint8_t y = 43;
    u.gleich();
    EXPECT_EQ(sys.schreiben(rohr[1], &y, 1, anzahl), 0);
    leser.join();
    EXPECT_EQ(anzahl, 1u);

    // errno still says EINTR: calls that move nothing and succeed return at once
    errno = EINTR;
    EXPECT_EQ(sys.schreiben(rohr[1], &y, 0, anzahl), 0);
    EXPECT_EQ(anzahl, 0u);
    close(rohr[1]);
    errno = EINTR;
    EXPECT_EQ(sys.lesen(rohr[0], &gelesen, 1, anzahl), 0);  // 43
    errno = EINTR;
    EXPECT_EQ(sys.lesen(rohr[0], &gelesen, 1, anzahl), 0);  // the end
    EXPECT_EQ(anzahl, 0u);
    close(rohr[0]);
}
