# The capability an installed program needs to check that a point of sale's computer answers.
#
# The check sends one ICMP echo. A datagram ICMP socket needs no privilege where the system admits
# the user's group (sysctl net.ipv4.ping_group_range); elsewhere only a raw socket will do, and
# that needs root or the file capability cap_net_raw. Without either the program decides by a TCP
# connection to the database port instead, and says so once in its activity log.
#
#   sv_instala_capacidade_ping(<target> <destination>)
#
# adds an install step that gives the installed file of <target> (under <destination>, relative
# to the install prefix) that capability with `setcap cap_net_raw+ep`, and says what it did. When
# it cannot (no setcap, no privilege, a file system without extended attributes) it says so and
# how to do it by hand; the install itself goes on. A staged install (DESTDIR, as a package build
# does) is not given the capability, because file capabilities do not survive packing: the
# package's post-installation script runs the same command on the installed file, e.g.
#   setcap cap_net_raw+ep /usr/bin/sincrovia-cli || echo "..." >&2
function(sv_instala_capacidade_ping target destination)
  install(CODE "
    set(sv_instalado \"\${CMAKE_INSTALL_PREFIX}/${destination}/$<TARGET_FILE_NAME:${target}>\")
    set(sv_arquivo \"\$ENV{DESTDIR}\${sv_instalado}\")
    set(sv_manual \"setcap cap_net_raw+ep \${sv_instalado}, as root, or admit the users' group to ICMP datagram sockets (sysctl net.ipv4.ping_group_range)\")
    find_program(SV_SETCAP setcap PATHS /usr/sbin /sbin)
    if(NOT \"\$ENV{DESTDIR}\" STREQUAL \"\")
      message(STATUS \"cap_net_raw: not given to \${sv_arquivo} (staged install): the package must run \${sv_manual}\")
    elseif(NOT SV_SETCAP)
      message(WARNING \"cap_net_raw: setcap not found (Debian package libcap2-bin); without it or root the program checks the points of sale by a TCP connection to the database port. To enable the ICMP echo: \${sv_manual}\")
    else()
      execute_process(COMMAND \${SV_SETCAP} cap_net_raw+ep \${sv_arquivo}
                      RESULT_VARIABLE sv_resultado ERROR_VARIABLE sv_erro)
      if(sv_resultado EQUAL 0)
        message(STATUS \"cap_net_raw: given to \${sv_arquivo}: it may send ICMP echoes without root\")
      else()
        string(STRIP \"\${sv_erro}\" sv_erro)
        message(WARNING \"cap_net_raw could not be given to \${sv_arquivo} (\${sv_erro}); without it or root the program checks the points of sale by a TCP connection to the database port. To enable the ICMP echo: \${sv_manual}\")
      endif()
    endif()
  ")
endfunction()
