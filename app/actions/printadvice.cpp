#include "app/actions/printadvice.h"

#include <QStringList>

namespace scribel {

using namespace Qt::Literals::StringLiterals;

namespace {

PrintAdvice offerPdf(const QString& why) {
    return {PrintAdvice::Next::OfferPdf,
            {},
            why + u" : la fiche ne peut pas être imprimée.\n\n"
                  u"Voulez-vous l'enregistrer dans un fichier PDF, pour l'imprimer ailleurs ?"_s};
}

PrintAdvice adviseReadyOrNot(const PrintQueue& queue) {
    if (!queue.acceptingJobs) {
        return offerPdf(
            u"L'imprimante « %1 » n'accepte pas de documents en ce moment"_s.arg(queue.name));
    }
    if (queue.paused) {
        return {PrintAdvice::Next::AskToSend, queue.name,
                u"L'imprimante « %1 » est en pause : la fiche attendra dans sa file d'attente "
                u"jusqu'à ce que l'imprimante soit remise en marche.\n\n"
                u"Voulez-vous l'envoyer quand même ?"_s.arg(queue.name)};
    }
    return {PrintAdvice::Next::Print, queue.name, {}};
}

QString quotedNames(const std::vector<PrintQueue>& queues) {
    QStringList names;
    for (const PrintQueue& queue : queues) {
        names.append(u"« %1 »"_s.arg(queue.name));
    }
    return names.join(u", "_s);
}

} // namespace

PrintAdvice advisePrint(const PrintQueues& service) {
    if (!service.serviceAnswers) {
        return offerPdf(u"Le service d'impression (CUPS) ne répond pas"_s);
    }
    if (service.queues.empty()) {
        return offerPdf(u"Aucune imprimante n'est installée"_s);
    }
    if (!service.requestedQueue.isEmpty()) {
        if (const PrintQueue* requested = service.find(service.requestedQueue)) {
            return adviseReadyOrNot(*requested);
        }
        return offerPdf(u"La variable d'environnement %1 désigne l'imprimante « %2 », qui "
                        u"n'existe pas"_s.arg(service.requestedBy, service.requestedQueue));
    }
    if (const PrintQueue* defaultQueue = service.find(service.defaultQueue)) {
        return adviseReadyOrNot(*defaultQueue);
    }
    return {
        PrintAdvice::Next::AskToChoosePrinter,
        {},
        u"Aucune imprimante n'est choisie par défaut parmi les imprimantes installées "
        u"(%1).\n\nVoulez-vous choisir celle qui imprimera la fiche ?\n"
        u"Non : la fiche sera enregistrée dans un fichier PDF."_s.arg(quotedNames(service.queues))};
}

QString unansweredJobOffer(const QString& queue) {
    return u"Le service d'impression (CUPS) ne répond pas\u00A0: il a peut-être reçu la fiche, "
           u"et l'imprimante «\u00A0%1\u00A0» l'imprimera peut-être quand même.\n\n"
           u"Voulez-vous aussi l'enregistrer dans un fichier PDF, pour l'imprimer ailleurs si "
           u"elle ne sort pas\u00A0?"_s.arg(queue);
}

PrintAdvice adviseQueue(const PrintQueues& service, const QString& queue) {
    if (const PrintQueue* known = service.find(queue)) {
        return adviseReadyOrNot(*known);
    }
    return {PrintAdvice::Next::Print, queue, {}};
}

} // namespace scribel
