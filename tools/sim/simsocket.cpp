#include "simsocket.h"

#include "fieldtags.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr int MaxDatagramSize = 65536;

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

SimSocket::~SimSocket()
{
    if (fd >= 0)
        ::close(fd);
}

bool SimSocket::open(const SimNetwork &network, QString *error)
{
    fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *error = systemError("socket");
        return false;
    }
    const int on = 1;
    const int off = 0;
    // Each fleet hears the group on its own network only.
    if (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        ::setsockopt(fd, IPPROTO_IP, IP_MULTICAST_ALL, &off, sizeof off) != 0) {
        *error = systemError("share port 2462");
        return false;
    }
    // One socket hears what a whole fleet of devices would each hear on its
    // own: a burst to 2,000 devices must not overflow it. Best effort.
    const int bufferBytes = 16 * 1024 * 1024;
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &bufferBytes, sizeof bufferBytes) != 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &bufferBytes, sizeof bufferBytes);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(Sctl::DevicePort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&local), sizeof local) != 0) {
        *error = systemError("bind to port 2462");
        return false;
    }
    ip_mreqn group{};
    ::inet_pton(AF_INET, Sctl::MulticastGroup, &group.imr_multiaddr);
    group.imr_ifindex =
        network.interfaceIndex != 0 ? network.interfaceIndex : int(::if_nametoindex("lo"));
    if (::setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &group, sizeof group) != 0) {
        *error = systemError("join 224.0.6.128");
        return false;
    }
    if (::setsockopt(fd, IPPROTO_IP, IP_RECVTTL, &on, sizeof on) != 0 ||
        ::setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on) != 0) {
        *error = systemError("IP_RECVTTL, IP_PKTINFO");
        return false;
    }
    return true;
}

bool SimSocket::receive(ReceivedDatagram *datagram)
{
    datagram->bytes.resize(MaxDatagramSize);
    iovec data{datagram->bytes.data(), size_t(MaxDatagramSize)};
    sockaddr_in from{};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int)) + CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr message{};
    message.msg_name = &from;
    message.msg_namelen = sizeof from;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;

    const ssize_t size = ::recvmsg(fd, &message, 0);
    if (size < 0)
        return false;
    datagram->bytes.truncate(size);
    datagram->sender = QHostAddress(ntohl(from.sin_addr.s_addr));
    datagram->port = ntohs(from.sin_port);
    datagram->ttl = -1;
    for (cmsghdr *c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
        if (c->cmsg_level != IPPROTO_IP)
            continue;
        if (c->cmsg_type == IP_TTL)
            std::memcpy(&datagram->ttl, CMSG_DATA(c), sizeof(int));
        if (c->cmsg_type == IP_PKTINFO) {
            in_pktinfo arrival;
            std::memcpy(&arrival, CMSG_DATA(c), sizeof arrival);
            char name[IF_NAMESIZE] = {};
            if (::if_indextoname(unsigned(arrival.ipi_ifindex), name))
                datagram->interfaceName = QString::fromLocal8Bit(name);
        }
    }
    return true;
}

bool SimSocket::send(const OutgoingDatagram &datagram, QString *error)
{
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(datagram.port);
    to.sin_addr.s_addr = htonl(datagram.destination.toIPv4Address());
    iovec data{const_cast<char *>(datagram.bytes.constData()), size_t(datagram.bytes.size())};

    // The source address travels as packet information, so one socket speaks
    // for every device.
    in_pktinfo source{};
    source.ipi_spec_dst.s_addr = htonl(datagram.source.toIPv4Address());
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof source)] = {};
    msghdr message{};
    message.msg_name = &to;
    message.msg_namelen = sizeof to;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    cmsghdr *c = CMSG_FIRSTHDR(&message);
    c->cmsg_level = IPPROTO_IP;
    c->cmsg_type = IP_PKTINFO;
    c->cmsg_len = CMSG_LEN(sizeof source);
    std::memcpy(CMSG_DATA(c), &source, sizeof source);

    if (::sendmsg(fd, &message, 0) != ssize_t(datagram.bytes.size())) {
        *error = systemError("send");
        return false;
    }
    return true;
}
