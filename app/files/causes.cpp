// The Spanish texts of every cause of a file's failure, and the sentences built on them.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/files/causes.h"

#include <pwd.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <initializer_list>

#include "app/files/places.h"

namespace {

struct Cause {
    std::initializer_list<int> errors;
    const char* text;
};

const Cause causes[] = {
    {{ENOENT}, "no existe"},
    {{ENOTDIR}, "una parte de la ruta no es una carpeta"},
    {{EACCES, EPERM}, "no hay permiso"},
    {{EROFS}, "el disco es de solo lectura"},
    {{ENOSPC, EDQUOT}, "el disco está lleno"},
    {{EFBIG}, "supera el tamaño de fichero que este sistema permite"},
    {{EISDIR}, "es una carpeta"},
    {{ENAMETOOLONG}, "el nombre es demasiado largo"},
    {{ELOOP}, "hay demasiados enlaces simbólicos en la ruta"},
    {{EIO}, "error de lectura o escritura en el disco"},
    {{EMFILE, ENFILE}, "hay demasiados ficheros abiertos"},
    {{ENOMEM}, "no hay memoria suficiente"},
    {{EXDEV}, "el fichero temporal quedó en otro disco"},
    {{EBUSY, ETXTBSY}, "el fichero está en uso"},
    {{ENXIO, ENODEV, kNotRegularFile}, "no es un fichero normal"},
    {{ENOTCONN, ESTALE, ETIMEDOUT, EHOSTDOWN, EHOSTUNREACH, ENETDOWN, ENETUNREACH, ECONNRESET, ECONNABORTED,
      ECONNREFUSED, EREMOTEIO, ENOLINK, ECOMM},
     "la carpeta no responde: el disco de red o la unidad se ha desconectado"},
    {{EOVERFLOW, kTooLarge}, "es demasiado grande"},
    {{EAGAIN, ENOLCK}, "el fichero está bloqueado"},
    {{EINVAL, EOPNOTSUPP}, "este disco no permite la operación"},
    {{EMLINK}, "la carpeta no admite más ficheros"},
    {{EEXIST, ENOTEMPTY}, "en su lugar hay una carpeta que no está vacía"},
    {{EINTR}, "la operación se interrumpió"},
    {{kLineTooLong}, "tiene una línea de más de 16 MB"},
    {{kTwoByteText}, "está en UTF-16; guárdelo como texto de un byte por carácter"},
    {{kCannotLock}, "este disco no permite bloquear ficheros"},
};

}  // namespace

std::string fileErrorText(int error)
{
    for (const Cause& cause : causes)
        for (const int one : cause.errors)
            if (one == error)
                return cause.text;
    return "error del sistema número " + std::to_string(error);
}

std::string writeErrorText(int error, const std::string& path)
{
    if (error != ENOENT)
        return fileErrorText(error);
    return "la carpeta " + folderOf(std::filesystem::path(linkTarget(path)).lexically_normal().string()) + " no existe";
}

std::string cannotRead(const std::string& what, int error) { return cannotRead(what, fileErrorText(error)); }
std::string cannotRead(const std::string& what, const std::string& cause)
{
    return "no se puede leer " + what + ": " + cause;
}

std::string cannotWrite(const std::string& path, int error)
{
    return "no se puede escribir " + path + ": " + writeErrorText(error, path);
}

std::string cannotFind(const std::string& what) { return "no se encuentra " + what; }

std::string notOwnedText(const std::string& path, unsigned kind, unsigned owner)
{
    const passwd* user = ::getpwuid(owner);
    return (S_ISDIR(kind)       ? "la carpeta "
                : S_ISLNK(kind) ? "el enlace simbólico "
                                : "el fichero ")
        + path + " es del usuario " + (user ? user->pw_name : std::to_string(owner));
}

std::string asSentence(std::string phrase)
{
    if (!phrase.empty())
        phrase[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(phrase[0])));
    return phrase + ".";
}
