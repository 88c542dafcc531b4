"""A speech server for Orca that speaks nothing. Orca writes every utterance to its
debug file ("SPEECH OUTPUT: '...'") before it hands it to the server, so Orca runs
without speech-dispatcher or a sound card (with them but no sound, Orca 43 blocks
in its first utterance) and the debug file still records what it says."""
from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _instance = None

    @staticmethod
    def getFactoryName():
        return "Null speech"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._instance is None:
            SpeechServer._instance = SpeechServer()
        return SpeechServer._instance

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._instance = None

    def getInfo(self):
        return ["Null speech", "null"]

    def getVoiceFamilies(self):
        return []

    def isSpeaking(self):
        return False
